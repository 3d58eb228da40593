// ObjectRef.h: 32-bit object references (kind in the top byte, index in the low
// 24 bits) and the "<$" + 8 hex digits + ">" tags that carry them in page text.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace quor {

using ObjectRef = std::int32_t;

inline constexpr ObjectRef kNoRef = -1;
inline constexpr std::uint32_t kIndexMask = 0xFFFFFF;
// Working copies only: the i-th local link of a page copy.
inline constexpr std::uint32_t kLocalLinkBase = 0x6F000000u;
// Working copies only: the i-th local object, or the object whose control has
// registry number i once the copy is shown.
inline constexpr std::uint32_t kLocalObjectBase = 0xFF000000u;
inline constexpr int kLocalLinkKind = 0x6F;
inline constexpr int kLocalObjectKind = 0xFF;

constexpr ObjectRef MakeRef(int kind, int index)
{
    return static_cast<ObjectRef>((static_cast<std::uint32_t>(kind) << 24) |
                                  (static_cast<std::uint32_t>(index) & kIndexMask));
}
constexpr int RefKind(ObjectRef ref) { return static_cast<int>(static_cast<std::uint32_t>(ref) >> 24); }
constexpr int RefIndex(ObjectRef ref) { return static_cast<int>(static_cast<std::uint32_t>(ref) & kIndexMask); }
constexpr ObjectRef LocalLinkRef(int i) { return static_cast<ObjectRef>(kLocalLinkBase + static_cast<std::uint32_t>(i)); }
constexpr ObjectRef LocalObjectRef(int i) { return static_cast<ObjectRef>(kLocalObjectBase + static_cast<std::uint32_t>(i & 0xFFFFFF)); }

// Eight lower-case hexadecimal digits, as the markup writer writes them.
std::string RefHex(ObjectRef ref);
// The tag "<$" + RefHex(ref) + ">".
std::string RefTag(ObjectRef ref);
// Eight hexadecimal digits of either case; nullopt when fewer digits or a non-digit.
std::optional<ObjectRef> ParseRefHex(std::string_view digits);

} // namespace quor
