#include "model/links/AddressKind.h"

namespace quor::links {

std::uint8_t AddressSubKind(std::string_view address, std::uint8_t otherwise)
{
    // The three prefixes exclude each other, so the order of the tests does not matter.
    if (address.starts_with("quor:"))
        return kQuorAddress;
    if (address.starts_with("http:"))
        return kHttpAddress;
    if (address.starts_with("mailto:"))
        return kMailAddress;
    return otherwise;
}

std::uint8_t CorrectedAddressSubKind(std::uint8_t stored, std::string_view address)
{
    if (stored >= kDeletedAddress && stored <= kMailAddress)
        return stored;
    return AddressSubKind(address, stored);
}

} // namespace quor::links
