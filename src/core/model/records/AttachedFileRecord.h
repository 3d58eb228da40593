// AttachedFileRecord.h: fields of the attached-file record (kinds 2 and 3, 93 bytes).
//   0 i32 content position; 4 u8 sub-kind (4 in use, 5 deleted); 5 string[79] file
//   name; 85 i32 content length; 89 i32 revision
#pragma once

#include "model/records/RecordView.h"

namespace quor::records {

template <class B>
class AttachedFileRecordT : public RecordViewT<B> {
    using V = RecordViewT<B>;

public:
    static constexpr std::size_t kSize = 93;
    static constexpr std::size_t kContentPosition = 0;
    static constexpr std::size_t kFileName = 5, kFileNameCap = 79;
    static constexpr std::size_t kContentLength = 85;
    static constexpr std::size_t kRevision = 89;
    static constexpr std::uint8_t kInUse = 4, kDeleted = 5;

    using V::V;

    std::string FileName() const { return V::Counted(kFileName, kFileNameCap); }
    std::int32_t ContentLength() const { return V::I32(kContentLength); }
    std::int32_t Revision() const { return V::I32(kRevision); }
    void SetFileName(std::string_view v) const requires V::kMutable { V::SetCounted(kFileName, kFileNameCap, v); }
    void SetRevision(std::int32_t v) const requires V::kMutable { V::SetI32(kRevision, v); }
};

using AttachedFileRecord = AttachedFileRecordT<std::uint8_t>;
using ConstAttachedFileRecord = AttachedFileRecordT<const std::uint8_t>;

} // namespace quor::records
