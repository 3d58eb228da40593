// FrameMapRecord.h: fields of the frame-map record (kind 9, 112 bytes).
//   0 i32 content position   4 u8 sub-kind (1 deleted, 2 in use)
//   5 string[79] name        85 i32 content length
//   89 i32 frame record size (58 when written)
//   97 i32 length and 101 i32 position of the HTML frame-set text
#pragma once

#include "model/records/RecordView.h"

namespace quor::records {

template <class B>
class FrameMapRecordT : public RecordViewT<B> {
    using V = RecordViewT<B>;

public:
    static constexpr std::size_t kSize = 112;
    static constexpr std::size_t kName = 5, kNameCap = 79;
    static constexpr std::size_t kContentLength = 85;
    static constexpr std::size_t kFrameRecordSize = 89;
    static constexpr std::size_t kHtmlLength = 97;
    static constexpr std::size_t kHtmlPosition = 101;
    static constexpr std::uint8_t kDeleted = 1, kInUse = 2;

    using V::V;

    std::string Name() const { return V::Counted(kName, kNameCap); }
    std::int32_t FrameRecordSize() const { return V::I32(kFrameRecordSize); }
    std::int32_t HtmlLength() const { return V::I32(kHtmlLength); }
    std::int32_t HtmlPosition() const { return V::I32(kHtmlPosition); }
    void SetName(std::string_view v) const requires V::kMutable { V::SetCounted(kName, kNameCap, v); }
    void SetHtmlBlock(std::int32_t position, std::int32_t length) const requires V::kMutable
    {
        V::SetI32(kHtmlPosition, position);
        V::SetI32(kHtmlLength, length);
    }
};

using FrameMapRecord = FrameMapRecordT<std::uint8_t>;
using ConstFrameMapRecord = FrameMapRecordT<const std::uint8_t>;

} // namespace quor::records
