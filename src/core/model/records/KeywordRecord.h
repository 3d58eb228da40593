// KeywordRecord.h: the keyword record (kind 4, 80 bytes): 0 string[79] the
// keyword; "-" marks a deleted keyword.
#pragma once

#include "model/records/RecordView.h"

namespace quor::records {

template <class B>
class KeywordRecordT : public RecordViewT<B> {
    using V = RecordViewT<B>;

public:
    static constexpr std::size_t kSize = 80;
    static constexpr std::size_t kText = 0, kTextCap = 79;

    using V::V;

    std::string Text() const { return V::Counted(kText, kTextCap); }
    bool IsDeleted() const { return Text() == "-"; }
    void SetText(std::string_view v) const requires V::kMutable { V::SetCounted(kText, kTextCap, v); }
};

using KeywordRecord = KeywordRecordT<std::uint8_t>;
using ConstKeywordRecord = KeywordRecordT<const std::uint8_t>;

} // namespace quor::records
