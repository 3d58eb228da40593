// DynamicInputRecord.h: fields of the dynamic-input record (kind 21, 460 bytes).
//   4 u8 sub-kind: 1 edit box, 2 text box, 6 list, 7 combo list, 11 live list,
//        12 server HTML
//   13 i32 content length    17 string[79] name    177/178/179/182 as kind 20
//   320 string[127] file the server reads   448 u8 row spacing   449 u8 comment rows
//   452/456 i32 properties position/length
#pragma once

#include "model/records/RecordView.h"

namespace quor::records {

template <class B>
class DynamicInputRecordT : public RecordViewT<B> {
    using V = RecordViewT<B>;

public:
    static constexpr std::size_t kSize = 460;
    static constexpr std::size_t kContentLength = 13;
    static constexpr std::size_t kName = 17, kNameCap = 79;
    static constexpr std::size_t kServerFile = 320, kServerFileCap = 127;
    static constexpr std::size_t kRowSpacing = 448, kCommentRows = 449;
    static constexpr std::size_t kPropertiesPosition = 452;
    static constexpr std::size_t kPropertiesLength = 456;

    using V::V;

    std::string Name() const { return V::Counted(kName, kNameCap); }
    std::string ServerFile() const { return V::Counted(kServerFile, kServerFileCap); }
    std::uint8_t RowSpacing() const { return V::U8(kRowSpacing); }
    std::uint8_t CommentRows() const { return V::U8(kCommentRows); }
    void SetName(std::string_view v) const requires V::kMutable { V::SetCounted(kName, kNameCap, v); }
    void SetServerFile(std::string_view v) const requires V::kMutable { V::SetCounted(kServerFile, kServerFileCap, v); }
};

using DynamicInputRecord = DynamicInputRecordT<std::uint8_t>;
using ConstDynamicInputRecord = DynamicInputRecordT<const std::uint8_t>;

} // namespace quor::records
