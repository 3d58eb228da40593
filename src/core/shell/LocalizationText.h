// LocalizationText.h: one window's localisation text: alternating key and value
// lines that name components and properties and give their texts.
// All texts are Windows-1252 bytes; each byte is one character.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quor {

class LocalizationText {
public:
    LocalizationText() = default;
    // Lines end with CR LF; a lone CR or LF also ends a line.
    explicit LocalizationText(std::string_view text);

    const std::vector<std::string>& Lines() const { return m_lines; }
    bool Empty() const { return m_lines.empty(); }

    // The decoded value for section `s` and ident `d` (key "*" + s + "*" + d, compared
    // without regard to case); nullopt when the key is missing or is the last line,
    // in which case the designed value stays.
    std::optional<std::string> Read(std::string_view section, std::string_view ident) const;

    // Key line of a section and an ident: "*" + lower(s) + "*" + lower(d).
    static std::string Key(std::string_view section, std::string_view ident);

    // Decodes a value line with its leading blank already removed:
    // "''" is one apostrophe, "\xA7!" is CR LF, "\xA7\xA7" is one "\xA7", and a
    // "\xA7" before anything else (or at the end) is dropped.
    static std::string DecodeValue(std::string_view encoded);

    // The inverse of DecodeValue, for writing texts (apostrophes are doubled).
    static std::string EncodeValue(std::string_view plain);

private:
    std::vector<std::string> m_lines;
};

// ASCII lower case, the way key and component names are compared.
std::string AsciiLower(std::string_view s);
bool EqualsNoCase(std::string_view a, std::string_view b);

} // namespace quor
