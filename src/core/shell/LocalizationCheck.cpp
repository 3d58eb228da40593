#include "shell/LocalizationCheck.h"

#include <array>
#include <cctype>

namespace quor {

namespace {

constexpr std::array<std::string_view, 3> kMenuAndWindowProperties = {"caption", "text", "hint"};
constexpr std::array<std::string_view, 11> kComponentProperties = {
    "caption", "text", "hint", "strings", "items", "lines",
    "filter", "columns", "title", "tabs", "imageindexes"};

bool AllDigits(std::string_view s)
{
    if (s.empty())
        return false;
    for (char c : s) {
        if (c < '0' || c > '9')
            return false;
    }
    return true;
}

bool IsNumberText(std::string_view s)
{
    while (!s.empty() && s.front() == ' ')
        s.remove_prefix(1);
    while (!s.empty() && s.back() == ' ')
        s.remove_suffix(1);
    if (!s.empty() && (s.front() == '+' || s.front() == '-'))
        s.remove_prefix(1);
    return AllDigits(s);
}

bool StartsWith(std::string_view s, std::string_view prefix)
{
    return s.size() >= prefix.size() && s.substr(0, prefix.size()) == prefix;
}

enum class KeyFit { None, Simple, Count, Item, Field };

// How a lower-cased key line fits one entry.
KeyFit Fit(std::string_view key, const LocalizableEntry& e)
{
    if (e.shape == PropertyShape::Simple)
        return key == LocalizationText::Key("_", SimpleIdent(e.component, e.property)) ? KeyFit::Simple
                                                                                      : KeyFit::None;
    const std::string prefix = "*" + AsciiLower(ListSection(e.component, e.property)) + "*";
    if (!StartsWith(key, prefix))
        return KeyFit::None;
    std::string_view rest = key.substr(prefix.size());
    if (rest == "count")
        return KeyFit::Count;
    if (!StartsWith(rest, "item"))
        return KeyFit::None;
    rest.remove_prefix(4);
    const std::size_t underscore = rest.find('_');
    if (underscore == std::string_view::npos)
        return AllDigits(rest) ? KeyFit::Item : KeyFit::None;
    if (e.shape != PropertyShape::Collection || !AllDigits(rest.substr(0, underscore)))
        return KeyFit::None;
    const std::string_view field = rest.substr(underscore + 1);
    for (const auto& f : e.fields) {
        if (EqualsNoCase(f, field))
            return KeyFit::Field;
    }
    return KeyFit::None;
}

} // namespace

bool IsLocalizablePropertyName(std::string_view name, bool menuItemOrWindow)
{
    if (menuItemOrWindow) {
        for (auto p : kMenuAndWindowProperties) {
            if (EqualsNoCase(p, name))
                return true;
        }
        return false;
    }
    for (auto p : kComponentProperties) {
        if (EqualsNoCase(p, name))
            return true;
    }
    return false;
}

std::string SimpleIdent(std::string_view component, std::string_view property)
{
    return AsciiLower(component) + "_" + AsciiLower(property);
}

std::string ListSection(std::string_view component, std::string_view property)
{
    return "_." + AsciiLower(component) + "_" + AsciiLower(property);
}

std::vector<std::string> CheckLocalizationText(const LocalizationText& text,
                                               const std::vector<LocalizableEntry>& entries)
{
    std::vector<std::string> problems;
    const auto& lines = text.Lines();
    for (std::size_t i = 0; i < lines.size(); i += 2) {
        const std::string lineNo = "line " + std::to_string(i + 1) + ": ";
        const std::string key = AsciiLower(lines[i]);
        if (i + 1 >= lines.size()) {
            problems.push_back(lineNo + "key \"" + lines[i] + "\" has no value line");
            break;
        }
        const std::string& value = lines[i + 1];
        if (value.empty() || value.front() != ' ')
            problems.push_back("line " + std::to_string(i + 2) + ": value does not begin with a blank");
        KeyFit fit = KeyFit::None;
        for (const auto& e : entries) {
            fit = Fit(key, e);
            if (fit != KeyFit::None)
                break;
        }
        if (fit == KeyFit::None) {
            problems.push_back(lineNo + "key \"" + lines[i] + "\" names no component property of the window");
            continue;
        }
        if (fit == KeyFit::Count && !IsNumberText(std::string_view(value).substr(value.empty() ? 0 : 1)))
            problems.push_back("line " + std::to_string(i + 2) + ": count is not a number");
    }
    return problems;
}

} // namespace quor
