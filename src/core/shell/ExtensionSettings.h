// ExtensionSettings.h: what to do with an attached file, by its extension
// (key "ext\\" + extension: "nam", "comp", "appPath").
#pragma once

#include "shell/ISettingsStore.h"

#include <string>

namespace quor {

enum class ExtensionBehaviour { Ask = 0, Save = 1, OpenWithSystem = 2, OpenWithApplication = 3 };

// The behaviour stored for an extension (with its dot; compared lower-cased), or
// `def` when "ext" does not list it or its "comp" is not one of the four numbers.
ExtensionBehaviour ReadExtensionBehaviour(const ISettingsStore& store, std::string_view extension,
                                          ExtensionBehaviour def);

// "appPath" of an extension; empty when not listed.
std::string ReadExtensionApplication(const ISettingsStore& store, std::string_view extension);

} // namespace quor
