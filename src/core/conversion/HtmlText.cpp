// HtmlText.cpp: escaping and safe names of the web export.
#include "conversion/HtmlText.h"

#include "textengine/MarkupEntities.h"

#include <array>

namespace quor::html {

namespace {

constexpr char kLowerHex[] = "0123456789abcdef";
constexpr char kUpperHex[] = "0123456789ABCDEF";

// Classic default faces of the Windows system colours 0..24 (0x00BBGGRR), for
// documents that store a system colour (0x800000nn) where a colour is written.
constexpr std::array<std::uint32_t, 25> kSystemColours = {
    0xC8D0D4, 0xA56E3A, 0x6A240A, 0x808080, 0xC8D0D4, 0xFFFFFF, 0x000000, 0x000000, 0x000000,
    0xFFFFFF, 0xC8D0D4, 0xC8D0D4, 0x808080, 0x6A240A, 0xFFFFFF, 0xC8D0D4, 0x808080, 0x808080,
    0x000000, 0xC8D0D4, 0xFFFFFF, 0x404040, 0xC8D0D4, 0x000000, 0xE1FFFF,
};

bool IsPathUnsafe(unsigned char c)
{
    if (c < 32 || c == 127)
        return true;
    switch (c) {
    case ':': case '*': case '?': case '"': case '<': case '>': case '|': case '#': case '%': case '\'':
        return true;
    default:
        return false;
    }
}

} // namespace

std::string Hex6(std::uint32_t n)
{
    std::string s(6, '0');
    for (int i = 5; i >= 0; --i) {
        s[static_cast<std::size_t>(i)] = kLowerHex[n & 0xF];
        n >>= 4;
    }
    return s;
}

std::string ColourHex(std::int32_t colour)
{
    auto value = static_cast<std::uint32_t>(colour);
    if ((value & 0xFF000000u) == 0x80000000u) {
        const std::uint32_t index = value & 0xFF;
        value = index < kSystemColours.size() ? kSystemColours[index] : 0;
    }
    const unsigned r = value & 0xFF, g = (value >> 8) & 0xFF, b = (value >> 16) & 0xFF;
    std::string s(6, '0');
    const unsigned parts[3] = {r, g, b};
    for (int i = 0; i < 3; ++i) {
        s[static_cast<std::size_t>(2 * i)] = kUpperHex[parts[i] >> 4];
        s[static_cast<std::size_t>(2 * i + 1)] = kUpperHex[parts[i] & 0xF];
    }
    return s;
}

void AppendTextChar(std::string& out, unsigned char c)
{
    if (c == '&') {
        out += "&amp;";
    } else if (c == '<') {
        out += "&lt;";
    } else if (c == '>') {
        out += "&gt;";
    } else if (c >= 1 && c <= 31) {
        // control characters are dropped
    } else if (c >= 160 && c <= 251) {
        out += '&';
        // The markup calls 175 "hibar"; browsers know it as "macr".
        out += c == 175 ? std::string_view("macr") : MarkupEntities::Name(8 + (c - 160u));
        out += ';';
    } else {
        out += static_cast<char>(c);
    }
}

namespace {

// "&", "<" and ">" always; the quotation mark only inside attribute values.
std::string Escape(std::string_view s, bool quote)
{
    std::string out;
    out.reserve(s.size());
    for (char ch : s) {
        if (ch == '&')
            out += "&amp;";
        else if (ch == '<')
            out += "&lt;";
        else if (ch == '>')
            out += "&gt;";
        else if (ch == '"' && quote)
            out += "&quot;";
        else
            out += ch;
    }
    return out;
}

} // namespace

std::string EscapeText(std::string_view s) { return Escape(s, false); }

std::string EscapeAttribute(std::string_view s) { return Escape(s, true); }

std::string MakeAttributeSafe(std::string_view s)
{
    std::string out(s);
    for (char& ch : out) {
        const auto c = static_cast<unsigned char>(ch);
        if (c == '"')
            ch = static_cast<char>(148);
        else if (c == '\'')
            ch = static_cast<char>(146);
        else if (c < 32 || c == 127 || c == '<' || c == '>' || c == '#' || c == '$' || c == '%' || c == '&')
            ch = ' ';
    }
    return out;
}

std::string EscapeScriptUrl(std::string_view s)
{
    std::string encoded;
    encoded.reserve(s.size());
    for (char ch : s) {
        if (ch == '\'')
            encoded += "%27";
        else if (ch == '\\')
            encoded += "%5C";
        else
            encoded += ch;
    }
    return EscapeAttribute(encoded);
}

std::string CssCommentSafe(std::string_view s)
{
    std::string out;
    out.reserve(s.size());
    for (std::size_t i = 0; i < s.size(); ++i) {
        out += s[i];
        if (s[i] == '*' && i + 1 < s.size() && s[i + 1] == '/')
            out += ' ';
    }
    return out;
}

std::string SafeBaseName(std::string_view name)
{
    const std::size_t slash = name.find_last_of("/\\");
    if (slash != std::string_view::npos)
        name.remove_prefix(slash + 1);
    std::string out(name);
    for (char& ch : out) {
        if (IsPathUnsafe(static_cast<unsigned char>(ch)))
            ch = '_';
    }
    const std::size_t first = out.find_first_not_of(" .");
    if (first == std::string::npos)
        return {};
    const std::size_t last = out.find_last_not_of(" .");
    return out.substr(first, last - first + 1);
}

std::string SafeExtension(std::string_view name)
{
    const std::size_t slash = name.find_last_of("/\\");
    if (slash != std::string_view::npos)
        name.remove_prefix(slash + 1);
    const std::size_t dot = name.rfind('.');
    if (dot == std::string_view::npos)
        return {};
    const std::string rest = SafeBaseName(name.substr(dot + 1));
    if (rest.empty())
        return {};
    return "." + rest;
}

std::string LowerAscii(std::string_view s)
{
    std::string out(s);
    for (char& ch : out) {
        if (ch >= 'A' && ch <= 'Z')
            ch = static_cast<char>(ch - 'A' + 'a');
    }
    return out;
}

} // namespace quor::html
