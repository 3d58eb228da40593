// FormInputRecord.h: fields of the form-input record (kind 20, 192 bytes).
//   0 i32 content position     4 u8 sub-kind: 1 edit, 2 password, 3 file, 4 text
//   13 i32 content length           box, 5 invisible, 6 radio, 7 check box, 8 list,
//   17 string[79] field name        9 combo list, 18 floating frame
//   97 string[79] value (not for sub-kind 18)
//   sub-kind 18: 108 i32 page shown, 112 i32 kind-5 image (other bytes by its dialog)
//   177 u8 columns   178 u8 rows / items   179 u8 width / visible rows
//   180 u8 show value   181 u8 checked   182 u8 multiple selection
//   184/188 i32 properties position/length
#pragma once

#include "model/records/RecordView.h"

namespace quor::records {

template <class B>
class FormInputRecordT : public RecordViewT<B> {
    using V = RecordViewT<B>;

public:
    static constexpr std::size_t kSize = 192;
    static constexpr std::size_t kContentLength = 13;
    static constexpr std::size_t kName = 17, kNameCap = 79;
    static constexpr std::size_t kValue = 97, kValueCap = 79;
    static constexpr std::size_t kFramePage = 108;
    static constexpr std::size_t kFrameImage = 112;
    static constexpr std::size_t kColumns = 177, kRows = 178, kWidth = 179;
    static constexpr std::size_t kShowValue = 180, kChecked = 181, kMultiple = 182;
    static constexpr std::size_t kPropertiesPosition = 184;
    static constexpr std::size_t kPropertiesLength = 188;
    static constexpr std::uint8_t kFloatingFrame = 18;

    using V::V;

    std::string Name() const { return V::Counted(kName, kNameCap); }
    std::string Value() const { return V::Counted(kValue, kValueCap); }
    std::int32_t FramePage() const { return V::I32(kFramePage); }
    std::int32_t FrameImage() const { return V::I32(kFrameImage); }
    std::uint8_t Columns() const { return V::U8(kColumns); }
    std::uint8_t Rows() const { return V::U8(kRows); }
    std::uint8_t Width() const { return V::U8(kWidth); }
    bool ShowValue() const { return V::U8(kShowValue) == 1; }
    bool Checked() const { return V::U8(kChecked) == 1; }
    bool Multiple() const { return V::U8(kMultiple) == 1; }

    void SetName(std::string_view v) const requires V::kMutable { V::SetCounted(kName, kNameCap, v); }
    void SetValue(std::string_view v) const requires V::kMutable { V::SetCounted(kValue, kValueCap, v); }
    void SetFramePage(std::int32_t v) const requires V::kMutable { V::SetI32(kFramePage, v); }
    void SetFrameImage(std::int32_t v) const requires V::kMutable { V::SetI32(kFrameImage, v); }
};

using FormInputRecord = FormInputRecordT<std::uint8_t>;
using ConstFormInputRecord = FormInputRecordT<const std::uint8_t>;

} // namespace quor::records
