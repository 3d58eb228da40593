#include "shell/AppSettings.h"

#include "shell/QtSettingsStore.h"

#include <memory>

namespace quor {

namespace {
ISettingsStore* g_installed = nullptr;
}

ISettingsStore& AppSettings()
{
    if (g_installed)
        return *g_installed;
    static auto userStore = std::make_unique<QtSettingsStore>();
    return *userStore;
}

void SetAppSettings(ISettingsStore* store)
{
    g_installed = store;
}

} // namespace quor
