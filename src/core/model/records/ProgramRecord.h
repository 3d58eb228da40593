// ProgramRecord.h: the program record (kind 7, 465 bytes): 4 sub-kind (1 deleted);
// 5 string[75] name; 81 string[127] program file name.
#pragma once

#include "model/records/RecordView.h"

namespace quor::records {

template <class B>
class ProgramRecordT : public RecordViewT<B> {
    using V = RecordViewT<B>;

public:
    static constexpr std::size_t kSize = 465;
    static constexpr std::size_t kName = 5, kNameCap = 75;
    static constexpr std::size_t kFileName = 81, kFileNameCap = 127;
    static constexpr std::uint8_t kDeleted = 1;

    using V::V;

    std::string Name() const { return V::Counted(kName, kNameCap); }
    std::string FileName() const { return V::Counted(kFileName, kFileNameCap); }
    void SetName(std::string_view v) const requires V::kMutable { V::SetCounted(kName, kNameCap, v); }
    void SetFileName(std::string_view v) const requires V::kMutable { V::SetCounted(kFileName, kFileNameCap, v); }
};

using ProgramRecord = ProgramRecordT<std::uint8_t>;
using ConstProgramRecord = ProgramRecordT<const std::uint8_t>;

} // namespace quor::records
