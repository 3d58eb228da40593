#include "base/Cp1252.h"

#include <array>

namespace quor {

namespace {

// 0x80..0x9F; the rest of the code page equals Latin-1.
constexpr std::array<char32_t, 32> kHigh = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

void AppendUtf8(std::string& out, char32_t u)
{
    if (u < 0x80) {
        out += static_cast<char>(u);
    } else if (u < 0x800) {
        out += static_cast<char>(0xC0 | (u >> 6));
        out += static_cast<char>(0x80 | (u & 0x3F));
    } else if (u < 0x10000) {
        out += static_cast<char>(0xE0 | (u >> 12));
        out += static_cast<char>(0x80 | ((u >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (u & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (u >> 18));
        out += static_cast<char>(0x80 | ((u >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((u >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (u & 0x3F));
    }
}

} // namespace

char32_t Cp1252ToUnicode(unsigned char c)
{
    if (c >= 0x80 && c < 0xA0)
        return kHigh[c - 0x80];
    return c;
}

unsigned char UnicodeToCp1252(char32_t u, unsigned char fallback)
{
    if (u < 0x80 || (u >= 0xA0 && u <= 0xFF))
        return static_cast<unsigned char>(u);
    for (std::size_t i = 0; i < kHigh.size(); ++i) {
        if (kHigh[i] == u)
            return static_cast<unsigned char>(0x80 + i);
    }
    return fallback;
}

std::string Cp1252ToUtf8(std::string_view bytes)
{
    std::string out;
    out.reserve(bytes.size() + bytes.size() / 8);
    for (char ch : bytes)
        AppendUtf8(out, Cp1252ToUnicode(static_cast<unsigned char>(ch)));
    return out;
}

std::string Utf8ToCp1252(std::string_view utf8, unsigned char fallback)
{
    std::string out;
    out.reserve(utf8.size());
    std::size_t i = 0;
    while (i < utf8.size()) {
        const auto lead = static_cast<unsigned char>(utf8[i]);
        int extra = 0;
        char32_t u = 0;
        if (lead < 0x80) {
            u = lead;
        } else if ((lead & 0xE0) == 0xC0) {
            extra = 1;
            u = lead & 0x1F;
        } else if ((lead & 0xF0) == 0xE0) {
            extra = 2;
            u = lead & 0x0F;
        } else if ((lead & 0xF8) == 0xF0) {
            extra = 3;
            u = lead & 0x07;
        } else {
            out += static_cast<char>(fallback);
            ++i;
            continue;
        }
        bool ok = true;
        for (int k = 1; k <= extra; ++k) {
            if (i + k >= utf8.size()) {
                ok = false;
                break;
            }
            const auto cont = static_cast<unsigned char>(utf8[i + k]);
            if ((cont & 0xC0) != 0x80) {
                ok = false;
                break;
            }
            u = (u << 6) | (cont & 0x3F);
        }
        if (!ok) {
            out += static_cast<char>(fallback);
            ++i;
            continue;
        }
        out += static_cast<char>(UnicodeToCp1252(u, fallback));
        i += extra + 1;
    }
    return out;
}

} // namespace quor
