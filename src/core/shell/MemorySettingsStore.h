// MemorySettingsStore.h: settings kept in memory, with the same case rules as the
// file-backed store; for tests and for runs that must not touch the user's files.
#pragma once

#include "shell/ISettingsStore.h"

#include <map>

namespace quor {

class MemorySettingsStore : public ISettingsStore {
public:
    std::optional<std::string> Value(std::string_view key, std::string_view name) const override;
    void SetValue(std::string_view key, std::string_view name, std::string_view text) override;
    void RemoveValue(std::string_view key, std::string_view name) override;
    void DeleteKey(std::string_view key) override;
    bool KeyExists(std::string_view key) const override;
    std::vector<std::string> Subkeys(std::string_view key) const override;
    std::vector<std::string> ValueNames(std::string_view key) const override;

private:
    struct Key {
        std::vector<std::string> parts;                                    // as first written
        std::map<std::string, std::pair<std::string, std::string>> values; // lower name -> (name, text)
    };
    // Lower-cased path with parts joined by "/".
    static std::string Canonical(std::string_view key);

    std::map<std::string, Key> m_keys;
};

} // namespace quor
