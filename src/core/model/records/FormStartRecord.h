// FormStartRecord.h: fields of the form-start record (kind 23, 364 bytes).
//   4 u8 sub-kind: 1 GET, 2 POST, 3 call a page, 4 e-mail
//   17 string[255] action (script path or e-mail address)
//   273 u8 write the encoding type   276 string[79] encoding type
//   356/360 i32 properties position/length
#pragma once

#include "model/records/RecordView.h"

namespace quor::records {

template <class B>
class FormStartRecordT : public RecordViewT<B> {
    using V = RecordViewT<B>;

public:
    static constexpr std::size_t kSize = 364;
    static constexpr std::size_t kAction = 17, kActionCap = 255;
    static constexpr std::size_t kWriteEncoding = 273;
    static constexpr std::size_t kEncoding = 276, kEncodingCap = 79;
    static constexpr std::size_t kPropertiesPosition = 356;
    static constexpr std::size_t kPropertiesLength = 360;
    static constexpr std::uint8_t kGet = 1, kPost = 2, kCallPage = 3, kMail = 4;

    using V::V;

    std::string Action() const { return V::Counted(kAction, kActionCap); }
    bool WriteEncoding() const { return V::U8(kWriteEncoding) == 1; }
    std::string Encoding() const { return V::Counted(kEncoding, kEncodingCap); }
    void SetAction(std::string_view v) const requires V::kMutable { V::SetCounted(kAction, kActionCap, v); }
    void SetEncoding(std::string_view v) const requires V::kMutable { V::SetCounted(kEncoding, kEncodingCap, v); }
};

using FormStartRecord = FormStartRecordT<std::uint8_t>;
using ConstFormStartRecord = FormStartRecordT<const std::uint8_t>;

} // namespace quor::records
