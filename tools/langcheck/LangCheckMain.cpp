// LangCheckMain.cpp: quor_langcheck [LANG]: creates every window that carries a
// localisation text and reports each key that names none of its components or
// properties, each window without a text and each text without a window.
// Exit status 1 when anything was reported.
#include "shell/AppSettings.h"
#include "shell/LocalizedWindows.h"
#include "shell/MemorySettingsStore.h"
#include "shell/TZuLanguagesStore.h"

#include <QApplication>

#include <cstdio>

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    // Windows read and write placement: keep the user's settings out of it.
    quor::MemorySettingsStore settings;
    quor::SetAppSettings(&settings);

    const QString lang = argc > 1 ? QString::fromLocal8Bit(argv[1]) : quor::TZuLanguagesStore::DefaultLang();
    const auto problems = quor::LocalizedWindows::CheckAll(lang);
    for (const auto& p : problems)
        std::fprintf(stderr, "%s\n", p.c_str());
    std::printf("%lld window text(s) of \"%s\" checked, %zu problem(s)\n",
                static_cast<long long>(quor::TZuLanguagesStore::Windows(lang).size()),
                lang.toUtf8().constData(), problems.size());
    quor::SetAppSettings(nullptr);
    return problems.empty() ? 0 : 1;
}
