// AddressLinkRecord.h: fields of the link-to-an-address record (kind 1, 133 bytes).
//   4 u8 sub-kind: 4 plain address, 5 deleted, 6 "quor:", 7 "http:", 8 "mailto:"
//   5 string[127] address
#pragma once

#include "model/records/RecordView.h"

namespace quor::records {

template <class B>
class AddressLinkRecordT : public RecordViewT<B> {
    using V = RecordViewT<B>;

public:
    static constexpr std::size_t kSize = 133;
    static constexpr std::size_t kAddress = 5, kAddressCap = 127;
    static constexpr std::uint8_t kPlain = 4, kDeleted = 5, kQuor = 6, kHttp = 7, kMailto = 8;

    using V::V;

    std::string Address() const { return V::Counted(kAddress, kAddressCap); }
    void SetAddress(std::string_view v) const requires V::kMutable { V::SetCounted(kAddress, kAddressCap, v); }
};

using AddressLinkRecord = AddressLinkRecordT<std::uint8_t>;
using ConstAddressLinkRecord = AddressLinkRecordT<const std::uint8_t>;

} // namespace quor::records
