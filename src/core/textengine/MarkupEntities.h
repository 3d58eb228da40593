// MarkupEntities.h: character escapes of the text markup ("&" sequences).
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace quor {

class MarkupEntities {
public:
    // The 104 entity names in matching order: quot amp lt gt QUOT AMP LT GT, then
    // the Latin-1 names for 0xA0..0xFF in code order, with "hibar" for 175.
    static constexpr std::size_t kNameCount = 104;
    static std::string_view Name(std::size_t i);
    static unsigned char Code(std::size_t i);

    struct Decoded {
        unsigned char ch;     // the character the sequence stands for
        std::size_t consumed; // bytes used from the "&" on (at least 1)
    };

    // Decodes the sequence starting at `text[0]`, which must be "&". `text` ends
    // where the markup ends: nothing beyond it is looked at.
    //  "&#" + up to three characters up to ";" -> decimal code, low 8 bits; a
    //       non-number gives 'A'; a ";" right after is consumed.
    //  "&&" -> "&", three characters consumed (fewer at the end of the markup).
    //  "&" + a table name (first table entry that the text starts with, case
    //       sensitive) -> its character; the name and a following ";" consumed.
    //  otherwise a space; only the "&" (and a ";" right after it) consumed.
    static Decoded Decode(std::string_view text);

    // Appends one text character as the writer writes it: "&amp;", "&lt;", "&gt;"
    // for & < >, every other character unchanged.
    static void AppendEscaped(std::string& out, char c);
};

} // namespace quor
