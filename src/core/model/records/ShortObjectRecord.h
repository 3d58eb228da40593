// ShortObjectRecord.h: fields of the short-object record (kind 11, 28 bytes).
//   0 i32 content position   4 u8 sub-kind (0 deleted, 1, 5, 10..15, 21..28)
//   5 i32 value (anchor number, ObjectRef or file number by sub-kind)
//   13 i32 content length    17 u8 annotation exported (sub-kind 10)
//   20/24 i32 properties position/length
#pragma once

#include "model/records/RecordView.h"

namespace quor::records {

template <class B>
class ShortObjectRecordT : public RecordViewT<B> {
    using V = RecordViewT<B>;

public:
    static constexpr std::size_t kSize = 28;
    static constexpr std::size_t kValue = 5;
    static constexpr std::size_t kContentLength = 13;
    static constexpr std::size_t kExportAnnotation = 17;
    static constexpr std::size_t kPropertiesPosition = 20;
    static constexpr std::size_t kPropertiesLength = 24;
    static constexpr std::uint8_t kDeleted = 0, kInUse = 1, kPanel = 5, kText = 10, kHtml = 11, kServerProgram = 12,
                                  kOpenWindow = 13, kAnchor = 14, kLinkNumber = 15, kImageField = 21,
                                  kPageField = 22, kPageTextField = 23, kMasterField = 24, kXSize = 25, kYSize = 26,
                                  kParameter = 27, kFile = 28;

    using V::V;

    std::int32_t Value() const { return V::I32(kValue); }
    bool ExportAnnotation() const { return V::U8(kExportAnnotation) == 1; }
    void SetValue(std::int32_t v) const requires V::kMutable { V::SetI32(kValue, v); }
    void SetExportAnnotation(bool v) const requires V::kMutable { V::SetU8(kExportAnnotation, v ? 1 : 0); }
};

using ShortObjectRecord = ShortObjectRecordT<std::uint8_t>;
using ConstShortObjectRecord = ShortObjectRecordT<const std::uint8_t>;

} // namespace quor::records
