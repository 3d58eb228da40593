// ButtonRecord.h: fields of the form-button record (kind 22, 203 bytes).
//   4 u8 sub-kind: 1 submit, 3 reset, other plain   17 string[79] name
//   97 string[79] caption    177 i32 image (ObjectRef or -1)
//   181 i32 page link        186/188 i16 natural image size
//   190/192 i16 displayed size   194 u8 percent   195/199 i32 properties
#pragma once

#include "model/records/RecordView.h"

namespace quor::records {

template <class B>
class ButtonRecordT : public RecordViewT<B> {
    using V = RecordViewT<B>;

public:
    static constexpr std::size_t kSize = 203;
    static constexpr std::size_t kName = 17, kNameCap = 79;
    static constexpr std::size_t kCaption = 97, kCaptionCap = 79;
    static constexpr std::size_t kImage = 177;
    static constexpr std::size_t kLink = 181;
    static constexpr std::size_t kNaturalWidth = 186, kNaturalHeight = 188;
    static constexpr std::size_t kWidth = 190, kHeight = 192;
    static constexpr std::size_t kPercent = 194;
    static constexpr std::size_t kPropertiesPosition = 195;
    static constexpr std::size_t kPropertiesLength = 199;
    static constexpr std::uint8_t kSubmit = 1, kReset = 3;

    using V::V;

    std::string Name() const { return V::Counted(kName, kNameCap); }
    std::string Caption() const { return V::Counted(kCaption, kCaptionCap); }
    std::int32_t Image() const { return V::I32(kImage); }
    std::int32_t Link() const { return V::I32(kLink); }
    std::int16_t NaturalWidth() const { return V::I16(kNaturalWidth); }
    std::int16_t NaturalHeight() const { return V::I16(kNaturalHeight); }
    std::int16_t Width() const { return V::I16(kWidth); }
    std::int16_t Height() const { return V::I16(kHeight); }
    bool Percent() const { return V::U8(kPercent) == 1; }

    void SetName(std::string_view v) const requires V::kMutable { V::SetCounted(kName, kNameCap, v); }
    void SetCaption(std::string_view v) const requires V::kMutable { V::SetCounted(kCaption, kCaptionCap, v); }
    void SetImage(std::int32_t v) const requires V::kMutable { V::SetI32(kImage, v); }
    void SetLink(std::int32_t v) const requires V::kMutable { V::SetI32(kLink, v); }
    void SetNaturalWidth(std::int16_t v) const requires V::kMutable { V::SetI16(kNaturalWidth, v); }
};

using ButtonRecord = ButtonRecordT<std::uint8_t>;
using ConstButtonRecord = ButtonRecordT<const std::uint8_t>;

} // namespace quor::records
