#include "shell/ISettingsStore.h"

#include "base/IMessages.h"
#include "shell/LocalizationText.h"

#include <charconv>

namespace quor {

std::vector<std::string> SplitSettingsKey(std::string_view key)
{
    std::vector<std::string> parts;
    std::string part;
    for (char c : key) {
        if (c == '\\' || c == '/') {
            if (!part.empty())
                parts.push_back(part);
            part.clear();
        } else {
            part.push_back(c);
        }
    }
    if (!part.empty())
        parts.push_back(part);
    return parts;
}

int ParseSettingInt(std::string_view text, int def)
{
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t'))
        text.remove_suffix(1);
    if (!text.empty() && text.front() == '+')
        text.remove_prefix(1);
    if (text.empty())
        return def;
    int value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value, 10);
    if (ec != std::errc() || end != text.data() + text.size())
        return def;
    return value;
}

std::string ISettingsStore::ReadValue(std::string_view key, std::string_view name) const
{
    return Value(key, name).value_or(std::string());
}

void ISettingsStore::WriteValue(std::string_view key, std::string_view name, std::string_view text)
{
    SetValue(key, name, text);
}

void ISettingsStore::WriteValueFlag(std::string_view key, std::string_view name, bool on)
{
    SetValue(key, name, on ? "1" : "0");
}

int ISettingsStore::ReadInt(std::string_view key, std::string_view name, int def) const
{
    const auto v = Value(key, name);
    return v ? ParseSettingInt(*v, def) : def;
}

bool ISettingsStore::ReadFlagOne(std::string_view key, std::string_view name) const
{
    return ReadValue(key, name) == "1";
}

bool ISettingsStore::ReadFlagNotZero(std::string_view key, std::string_view name) const
{
    return ReadValue(key, name) != "0";
}

std::string ISettingsStore::ReadByFullPath(std::string_view path, IMessages& messages) const
{
    std::vector<std::string> parts = SplitSettingsKey(path);
    const std::vector<std::string> root = SplitSettingsKey(kSettingsRoot);
    bool underRoot = parts.size() > root.size();
    for (std::size_t i = 0; underRoot && i < root.size(); ++i)
        underRoot = EqualsNoCase(parts[i], root[i]);
    if (underRoot)
        parts.erase(parts.begin(), parts.begin() + static_cast<std::ptrdiff_t>(root.size()));
    std::string name;
    if (!parts.empty()) {
        name = parts.back();
        parts.pop_back();
    }
    std::string key;
    for (const auto& p : parts)
        key += (key.empty() ? "" : "\\") + p;
    if (!KeyExists(key)) {
        messages.Error("Tmp err msg. Key non trovata nel registry:" + key + " : " + name);
        return {};
    }
    return ReadValue(key, name);
}

} // namespace quor
