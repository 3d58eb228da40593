// AnsiCase.h: letter case of Windows-1252 text, as the document's name
// comparisons need it (ASCII, the accented Latin-1 letters, and S/Z/OE caron
// and ligature pairs of the 0x80..0x9F range).
#pragma once

#include <string>
#include <string_view>

namespace quor {

inline unsigned char AnsiLowerChar(unsigned char c)
{
    if ((c >= 'A' && c <= 'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7))
        return static_cast<unsigned char>(c + 32);
    if (c == 0x8A || c == 0x8C || c == 0x8E)
        return static_cast<unsigned char>(c + 16);
    if (c == 0x9F)
        return 0xFF;
    return c;
}

inline unsigned char AnsiUpperChar(unsigned char c)
{
    if ((c >= 'a' && c <= 'z') || (c >= 0xE0 && c <= 0xFE && c != 0xF7))
        return static_cast<unsigned char>(c - 32);
    if (c == 0x9A || c == 0x9C || c == 0x9E)
        return static_cast<unsigned char>(c - 16);
    if (c == 0xFF)
        return 0x9F;
    return c;
}

inline std::string AnsiLower(std::string_view s)
{
    std::string r(s);
    for (auto& ch : r)
        ch = static_cast<char>(AnsiLowerChar(static_cast<unsigned char>(ch)));
    return r;
}

inline std::string AnsiUpper(std::string_view s)
{
    std::string r(s);
    for (auto& ch : r)
        ch = static_cast<char>(AnsiUpperChar(static_cast<unsigned char>(ch)));
    return r;
}

} // namespace quor
