// FontFaceRecord.h: the font-face record (kind 18, 38 bytes): 4 sub-kind;
// 5 string[32] font name.
#pragma once

#include "model/records/RecordView.h"

namespace quor::records {

template <class B>
class FontFaceRecordT : public RecordViewT<B> {
    using V = RecordViewT<B>;

public:
    static constexpr std::size_t kSize = 38;
    static constexpr std::size_t kName = 5, kNameCap = 32;

    using V::V;

    std::string Name() const { return V::Counted(kName, kNameCap); }
    void SetName(std::string_view v) const requires V::kMutable { V::SetCounted(kName, kNameCap, v); }
};

using FontFaceRecord = FontFaceRecordT<std::uint8_t>;
using ConstFontFaceRecord = FontFaceRecordT<const std::uint8_t>;

} // namespace quor::records
