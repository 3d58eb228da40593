// AppSettings.h: the one settings store of the running program.
#pragma once

#include "shell/ISettingsStore.h"

namespace quor {

// The user's store (QtSettingsStore at its default path), created on first use,
// unless another store was installed.
ISettingsStore& AppSettings();

// Installs a store for the rest of the run (tests install a temporary one);
// nullptr goes back to the user's store. The caller keeps ownership.
void SetAppSettings(ISettingsStore* store);

} // namespace quor
