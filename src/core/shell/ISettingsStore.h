// ISettingsStore.h: the per-user settings: string values in keys below one root,
// with the accessors every part of the program reads and writes them through.
// Keys are paths below the root with parts separated by "\\" or "/" ("ftpnet\\0");
// key and value names are compared without regard to case, so one value written
// as "NumSelectedConf0" and read as "numSelectedConf0" is one value.
// Texts are UTF-8.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quor {

class IMessages;

inline constexpr std::string_view kSettingsRoot = "\\SOFTWARE\\ZR\\Quor3.0E\\";
inline constexpr std::string_view kOptionsKey = "options";
inline constexpr std::string_view kFormsKey = "forms";

class ISettingsStore {
public:
    virtual ~ISettingsStore() = default;

    // nullopt when the key or the value is missing.
    virtual std::optional<std::string> Value(std::string_view key, std::string_view name) const = 0;
    // Creates the key when needed. Failures are silent (the value is dropped).
    virtual void SetValue(std::string_view key, std::string_view name, std::string_view text) = 0;
    virtual void RemoveValue(std::string_view key, std::string_view name) = 0;
    // Deletes the key with all its values and subkeys.
    virtual void DeleteKey(std::string_view key) = 0;
    virtual bool KeyExists(std::string_view key) const = 0;
    // Names of the direct subkeys and of the values of a key, as stored.
    virtual std::vector<std::string> Subkeys(std::string_view key) const = 0;
    virtual std::vector<std::string> ValueNames(std::string_view key) const = 0;

    // A missing key or value reads as empty.
    std::string ReadValue(std::string_view key, std::string_view name) const;
    void WriteValue(std::string_view key, std::string_view name, std::string_view text);
    void WriteValueFlag(std::string_view key, std::string_view name, bool on);   // "1" / "0"

    std::string ReadOption(std::string_view name) const { return ReadValue(kOptionsKey, name); }
    void WriteOption(std::string_view name, std::string_view text) { WriteValue(kOptionsKey, name, text); }
    void WriteOptionFlag(std::string_view name, bool on) { WriteValueFlag(kOptionsKey, name, on); }

    // Decimal integer; missing or not a number gives `def`.
    int ReadInt(std::string_view key, std::string_view name, int def) const;
    // "1" is on, anything else (or missing) off.
    bool ReadFlagOne(std::string_view key, std::string_view name) const;
    // Anything but "0" is on, so a missing value is on.
    bool ReadFlagNotZero(std::string_view key, std::string_view name) const;

    // `path` names key and value in one: the text after the last "\\" is the value
    // name, the rest the key (the root prefix, when present, is removed). A missing
    // key shows "Tmp err msg. Key non trovata nel registry:" + key + " : " + name.
    std::string ReadByFullPath(std::string_view path, IMessages& messages) const;
};

// Key paths with parts joined by "/", without empty parts.
std::vector<std::string> SplitSettingsKey(std::string_view key);

// Decimal integer with optional sign and surrounding blanks; anything else,
// including hexadecimal, trailing letters and overflow, gives `def`.
int ParseSettingInt(std::string_view text, int def);

} // namespace quor
