// QtSettingsStore.h: the settings store kept in an INI file in the user's
// configuration folder ($XDG_CONFIG_HOME/ZR/Quor3.0E.ini). The file is readable
// by its owner only, since it may hold saved passwords.
#pragma once

#include "shell/ISettingsStore.h"

#include <QSettings>
#include <QString>

#include <memory>

namespace quor {

class QtSettingsStore : public ISettingsStore {
public:
    // The store of the current user.
    QtSettingsStore();
    explicit QtSettingsStore(const QString& iniPath);
    ~QtSettingsStore() override;

    // $XDG_CONFIG_HOME/ZR/Quor3.0E.ini (or its platform equivalent).
    static QString DefaultPath();
    QString FilePath() const { return m_path; }

    std::optional<std::string> Value(std::string_view key, std::string_view name) const override;
    void SetValue(std::string_view key, std::string_view name, std::string_view text) override;
    void RemoveValue(std::string_view key, std::string_view name) override;
    void DeleteKey(std::string_view key) override;
    bool KeyExists(std::string_view key) const override;
    std::vector<std::string> Subkeys(std::string_view key) const override;
    std::vector<std::string> ValueNames(std::string_view key) const override;

private:
    // The stored spelling of a key path ("ftpnet/0"): each part matched without
    // regard to case; parts not stored yet keep the caller's spelling.
    // `found` tells whether every part exists.
    QString ResolveKey(std::string_view key, bool* found) const;
    // The stored spelling of a value name in a resolved key, or `name` itself.
    QString ResolveName(const QString& group, std::string_view name, bool* found) const;
    void Commit();
    void RestrictPermissions() const;

    QString m_path;
    std::unique_ptr<QSettings> m_settings;
};

} // namespace quor
