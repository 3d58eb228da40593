// ObjectRef.cpp: hexadecimal form of object references.
#include "model/ObjectRef.h"

namespace quor {

std::string RefHex(ObjectRef ref)
{
    static constexpr char kDigits[] = "0123456789abcdef";
    std::string s(8, '0');
    auto v = static_cast<std::uint32_t>(ref);
    for (int i = 7; i >= 0; --i) {
        s[static_cast<std::size_t>(i)] = kDigits[v & 0xF];
        v >>= 4;
    }
    return s;
}

std::string RefTag(ObjectRef ref) { return "<$" + RefHex(ref) + ">"; }

std::optional<ObjectRef> ParseRefHex(std::string_view digits)
{
    if (digits.size() < 8)
        return std::nullopt;
    std::uint32_t v = 0;
    for (std::size_t i = 0; i < 8; ++i) {
        const char c = digits[i];
        std::uint32_t d = 0;
        if (c >= '0' && c <= '9')
            d = static_cast<std::uint32_t>(c - '0');
        else if (c >= 'a' && c <= 'f')
            d = static_cast<std::uint32_t>(c - 'a' + 10);
        else if (c >= 'A' && c <= 'F')
            d = static_cast<std::uint32_t>(c - 'A' + 10);
        else
            return std::nullopt;
        v = (v << 4) | d;
    }
    return static_cast<ObjectRef>(v);
}

} // namespace quor
