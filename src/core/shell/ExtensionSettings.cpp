#include "shell/ExtensionSettings.h"

#include "shell/LocalizationText.h"

namespace quor {

namespace {

std::string ExtensionKey(std::string_view extension)
{
    return "ext\\" + AsciiLower(extension);
}

} // namespace

ExtensionBehaviour ReadExtensionBehaviour(const ISettingsStore& store, std::string_view extension,
                                          ExtensionBehaviour def)
{
    const std::string key = ExtensionKey(extension);
    if (extension.empty() || !store.KeyExists(key))
        return def;
    // A garbled "comp" must not turn into "open with an application".
    const int comp = store.ReadInt(key, "comp", -1);
    if (comp < 0 || comp > 3)
        return def;
    return static_cast<ExtensionBehaviour>(comp);
}

std::string ReadExtensionApplication(const ISettingsStore& store, std::string_view extension)
{
    if (extension.empty())
        return {};
    return store.ReadValue(ExtensionKey(extension), "appPath");
}

} // namespace quor
