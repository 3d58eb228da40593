#include "shell/MemorySettingsStore.h"

#include "shell/LocalizationText.h"


namespace quor {

std::string MemorySettingsStore::Canonical(std::string_view key)
{
    std::string path;
    for (const auto& p : SplitSettingsKey(key))
        path += (path.empty() ? "" : "/") + AsciiLower(p);
    return path;
}

std::optional<std::string> MemorySettingsStore::Value(std::string_view key, std::string_view name) const
{
    const auto k = m_keys.find(Canonical(key));
    if (k == m_keys.end())
        return std::nullopt;
    const auto v = k->second.values.find(AsciiLower(name));
    if (v == k->second.values.end())
        return std::nullopt;
    return v->second.second;
}

void MemorySettingsStore::SetValue(std::string_view key, std::string_view name, std::string_view text)
{
    // Every ancestor exists as a key of its own, as in a registry.
    const auto parts = SplitSettingsKey(key);
    std::string path;
    std::vector<std::string> soFar;
    for (const auto& p : parts) {
        path += (path.empty() ? "" : "/") + AsciiLower(p);
        soFar.push_back(p);
        auto& k = m_keys[path];
        if (k.parts.empty())
            k.parts = soFar;
    }
    auto& values = m_keys[path].values;
    auto& slot = values[AsciiLower(name)];
    if (slot.first.empty())
        slot.first = std::string(name);
    slot.second = std::string(text);
}

void MemorySettingsStore::RemoveValue(std::string_view key, std::string_view name)
{
    const auto k = m_keys.find(Canonical(key));
    if (k != m_keys.end())
        k->second.values.erase(AsciiLower(name));
}

void MemorySettingsStore::DeleteKey(std::string_view key)
{
    const std::string path = Canonical(key);
    if (path.empty()) {
        m_keys.clear();
        return;
    }
    for (auto it = m_keys.begin(); it != m_keys.end();) {
        const bool inside = it->first == path || it->first.rfind(path + "/", 0) == 0;
        it = inside ? m_keys.erase(it) : std::next(it);
    }
}

bool MemorySettingsStore::KeyExists(std::string_view key) const
{
    const std::string path = Canonical(key);
    return path.empty() || m_keys.count(path) > 0;
}

std::vector<std::string> MemorySettingsStore::Subkeys(std::string_view key) const
{
    const std::string path = Canonical(key);
    const std::size_t depth = SplitSettingsKey(key).size();
    std::vector<std::string> names;
    for (const auto& [p, k] : m_keys) {
        const bool below = path.empty() ? true : p.rfind(path + "/", 0) == 0;
        if (below && k.parts.size() == depth + 1)
            names.push_back(k.parts.back());
    }
    return names;
}

std::vector<std::string> MemorySettingsStore::ValueNames(std::string_view key) const
{
    std::vector<std::string> names;
    const auto k = m_keys.find(Canonical(key));
    if (k == m_keys.end())
        return names;
    for (const auto& [lower, v] : k->second.values)
        names.push_back(v.first);
    return names;
}

} // namespace quor
