// ShowWindowMain.cpp: quor_showwindow WINDOW OUT.png: creates the registered
// window WINDOW (its object name, any case), shows it, and saves what it draws.
// Run it on a display (for example under xvfb-run) to see the real rendering.
#include "shell/AppSettings.h"
#include "shell/LocalizedWindows.h"
#include "shell/MemorySettingsStore.h"

#include <QApplication>
#include <QPixmap>
#include <QTimer>

#include <cstdio>
#include <memory>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    if (argc < 3) {
        std::fprintf(stderr, "Usage: quor_showwindow WINDOW OUT.png\nWindows:");
        for (const auto& [name, factory] : quor::LocalizedWindows::All())
            std::fprintf(stderr, " %s", name.toUtf8().constData());
        std::fprintf(stderr, "\n");
        return 2;
    }
    quor::MemorySettingsStore settings;   // no stored placement, nothing written
    quor::SetAppSettings(&settings);
    const auto& all = quor::LocalizedWindows::All();
    const auto it = all.find(QString::fromLocal8Bit(argv[1]).toLower());
    if (it == all.end()) {
        std::fprintf(stderr, "no window named %s\n", argv[1]);
        return 2;
    }
    std::unique_ptr<QWidget> window(it->second());
    window->show();
    const QString out = QString::fromLocal8Bit(argv[2]);
    int status = 1;
    QTimer::singleShot(500, [&] {
        status = window->grab().save(out) ? 0 : 1;
        app.quit();
    });
    app.exec();
    window.reset();
    quor::SetAppSettings(nullptr);
    return status;
}
