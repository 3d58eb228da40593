// WindowPlacement.h: a window's position and size, kept in the settings under
// "forms\\" + the window's name, restored when it is first shown.
#pragma once

#include "shell/ISettingsStore.h"

#include <QPointer>
#include <QWidget>

namespace quor {

class WindowPlacement {
public:
    WindowPlacement(QWidget* window, ISettingsStore& store);

    // Restores the stored placement, if any; a stored value that does not
    // describe a placement is ignored.
    void Restore();
    void Save();

    // After the window settings are reset, no window stores its placement again
    // until the program is restarted (so the reset takes effect).
    static void SetStorageEnabled(bool enabled);
    static bool StorageEnabled();

    static std::string Key(const QWidget* window);

private:
    QPointer<QWidget> m_window;
    ISettingsStore& m_store;
};

} // namespace quor
