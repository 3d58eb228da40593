// AddressKind.h: the form of an address held by a link object (kind 1), told by
// its prefix. The sub-kind byte of the link record stores it.
#pragma once

#include <cstdint>
#include <string_view>

namespace quor::links {

inline constexpr std::uint8_t kPlainAddress = 4;
inline constexpr std::uint8_t kDeletedAddress = 5;
inline constexpr std::uint8_t kQuorAddress = 6;
inline constexpr std::uint8_t kHttpAddress = 7;
inline constexpr std::uint8_t kMailAddress = 8;

// Sub-kind for `address`: 6 for "quor:", 7 for "http:", 8 for "mailto:" (prefixes
// compared exactly); `otherwise` when none matches.
std::uint8_t AddressSubKind(std::string_view address, std::uint8_t otherwise = kPlainAddress);

// The sub-kind a link record read from a file ends up with: sub-kinds 5..8 are
// kept as stored; any other value is derived from the address, keeping the
// stored value when the address has none of the known prefixes.
std::uint8_t CorrectedAddressSubKind(std::uint8_t stored, std::string_view address);

} // namespace quor::links
