#include "shell/LocalizationText.h"

namespace quor {

namespace {
constexpr char kSection = '\xA7';   // the Windows-1252 section sign
}

std::string AsciiLower(std::string_view s)
{
    std::string out(s);
    for (char& c : out) {
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    }
    return out;
}

bool EqualsNoCase(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        char x = a[i];
        char y = b[i];
        if (x >= 'A' && x <= 'Z')
            x = static_cast<char>(x - 'A' + 'a');
        if (y >= 'A' && y <= 'Z')
            y = static_cast<char>(y - 'A' + 'a');
        if (x != y)
            return false;
    }
    return true;
}

LocalizationText::LocalizationText(std::string_view text)
{
    std::string line;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\r' || c == '\n') {
            m_lines.push_back(line);
            line.clear();
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
                ++i;
        } else {
            line.push_back(c);
        }
    }
    // A last line without a line end still counts; a final line end adds no empty line.
    if (!line.empty())
        m_lines.push_back(line);
}

std::string LocalizationText::Key(std::string_view section, std::string_view ident)
{
    std::string key = "*";
    key += AsciiLower(section);
    key += '*';
    key += AsciiLower(ident);
    return key;
}

std::optional<std::string> LocalizationText::Read(std::string_view section, std::string_view ident) const
{
    const std::string key = Key(section, ident);
    for (std::size_t i = 0; i < m_lines.size(); ++i) {
        if (!EqualsNoCase(m_lines[i], key))
            continue;
        if (i + 1 >= m_lines.size())
            return std::nullopt;
        std::string_view value = m_lines[i + 1];
        if (!value.empty())
            value.remove_prefix(1);
        return DecodeValue(value);
    }
    return std::nullopt;
}

std::string LocalizationText::DecodeValue(std::string_view encoded)
{
    std::string out;
    out.reserve(encoded.size());
    for (std::size_t i = 0; i < encoded.size(); ++i) {
        const char c = encoded[i];
        const char next = i + 1 < encoded.size() ? encoded[i + 1] : '\0';
        const bool hasNext = i + 1 < encoded.size();
        if (c == '\'' && hasNext && next == '\'') {
            out.push_back('\'');
            ++i;
        } else if (c == kSection) {
            if (hasNext && next == '!') {
                out += "\r\n";
                ++i;
            } else if (hasNext && next == kSection) {
                out.push_back(kSection);
                ++i;
            }
            // Otherwise the sign alone is dropped and the next character is read as usual.
        } else {
            out.push_back(c);
        }
    }
    return out;
}

std::string LocalizationText::EncodeValue(std::string_view plain)
{
    std::string out;
    for (std::size_t i = 0; i < plain.size(); ++i) {
        const char c = plain[i];
        if (c == '\'') {
            out += "''";
        } else if (c == kSection) {
            out += "\xA7\xA7";
        } else if (c == '\r' && i + 1 < plain.size() && plain[i + 1] == '\n') {
            out += "\xA7!";
            ++i;
        } else {
            out.push_back(c);
        }
    }
    return out;
}

} // namespace quor
