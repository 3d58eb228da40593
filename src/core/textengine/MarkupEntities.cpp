// MarkupEntities.cpp: the entity name table and the "&" decoder.
#include "textengine/MarkupEntities.h"

#include <array>

namespace quor {

namespace {

constexpr std::array<std::string_view, MarkupEntities::kNameCount> kNames = {
    "quot", "amp", "lt", "gt", "QUOT", "AMP", "LT", "GT",
    // 0xA0..0xAF
    "nbsp", "iexcl", "cent", "pound", "curren", "yen", "brvbar", "sect",
    "uml", "copy", "ordf", "laquo", "not", "shy", "reg", "hibar",
    // 0xB0..0xBF
    "deg", "plusmn", "sup2", "sup3", "acute", "micro", "para", "middot",
    "cedil", "sup1", "ordm", "raquo", "frac14", "frac12", "frac34", "iquest",
    // 0xC0..0xCF
    "Agrave", "Aacute", "Acirc", "Atilde", "Auml", "Aring", "AElig", "Ccedil",
    "Egrave", "Eacute", "Ecirc", "Euml", "Igrave", "Iacute", "Icirc", "Iuml",
    // 0xD0..0xDF
    "ETH", "Ntilde", "Ograve", "Oacute", "Ocirc", "Otilde", "Ouml", "times",
    "Oslash", "Ugrave", "Uacute", "Ucirc", "Uuml", "Yacute", "THORN", "szlig",
    // 0xE0..0xEF
    "agrave", "aacute", "acirc", "atilde", "auml", "aring", "aelig", "ccedil",
    "egrave", "eacute", "ecirc", "euml", "igrave", "iacute", "icirc", "iuml",
    // 0xF0..0xFF
    "eth", "ntilde", "ograve", "oacute", "ocirc", "otilde", "ouml", "divide",
    "oslash", "ugrave", "uacute", "ucirc", "uuml", "yacute", "thorn", "yuml",
};

constexpr unsigned char kFirstCodes[8] = {34, 38, 60, 62, 34, 38, 60, 62};

} // namespace

std::string_view MarkupEntities::Name(std::size_t i) { return i < kNameCount ? kNames[i] : std::string_view(); }

unsigned char MarkupEntities::Code(std::size_t i)
{
    if (i < 8)
        return kFirstCodes[i];
    if (i < kNameCount)
        return static_cast<unsigned char>(0xA0 + (i - 8));
    return ' ';
}

MarkupEntities::Decoded MarkupEntities::Decode(std::string_view text)
{
    // text[0] is '&'.
    if (text.size() >= 2 && text[1] == '#') {
        std::size_t i = 2;
        std::string_view digits;
        while (i < text.size() && i < 5 && text[i] != ';')
            ++i;
        digits = text.substr(2, i - 2);
        if (i < text.size() && text[i] == ';')
            ++i;
        bool number = !digits.empty();
        int value = 0;
        std::size_t k = 0;
        if (number && (digits[0] == '-' || digits[0] == '+'))
            k = 1;
        if (k == digits.size())
            number = false;
        for (; number && k < digits.size(); ++k) {
            if (digits[k] < '0' || digits[k] > '9')
                number = false;
            else
                value = value * 10 + (digits[k] - '0');
        }
        if (number && digits[0] == '-')
            value = -value;
        const unsigned char ch = number ? static_cast<unsigned char>(value & 0xFF) : 'A';
        return {ch, i};
    }
    if (text.size() >= 2 && text[1] == '&')
        return {'&', text.size() < 3 ? text.size() : 3};
    const std::string_view rest = text.substr(1);
    for (std::size_t n = 0; n < kNameCount; ++n) {
        if (rest.starts_with(kNames[n])) {
            std::size_t used = 1 + kNames[n].size();
            if (used < text.size() && text[used] == ';')
                ++used;
            return {Code(n), used};
        }
    }
    return {' ', (text.size() >= 2 && text[1] == ';') ? std::size_t{2} : std::size_t{1}};
}

void MarkupEntities::AppendEscaped(std::string& out, char c)
{
    switch (c) {
    case '&': out += "&amp;"; break;
    case '<': out += "&lt;"; break;
    case '>': out += "&gt;"; break;
    default: out.push_back(c); break;
    }
}

} // namespace quor
