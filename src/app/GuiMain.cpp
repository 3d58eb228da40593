// GuiMain.cpp: starts the editor: the splash or the tip window, then the main
// window, which obeys the command line once shown.
#include "shell/AppSettings.h"
#include "shell/ProgramOptions.h"
#include "shell/TFabout.h"
#include "shell/TTipForm.h"
#include "shell/TZuLanguagesStore.h"
#include "shell/main/TMainForm.h"

#include <QApplication>
#include <QPointer>

#include <string>
#include <vector>

int RunGui(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quor"));
    quor::TZuLanguagesStore::EnsureResources();

    // "TipOfTheDay" neither "1" nor empty: the about box as a splash; otherwise the tip window.
    const std::string tipSetting = quor::AppSettings().ReadOption("TipOfTheDay");
    QPointer<QWidget> splash;
    QPointer<quor::TTipForm> tips;
    if (tipSetting != "1" && !tipSetting.empty()) {
        splash = new quor::TFabout();
        splash->show();
    } else {
        tips = quor::TTipForm::CreateAtStart();
        tips->show();
    }
    QApplication::processEvents();

    quor::TMainForm window;
    window.show();
    std::vector<std::string> args;
    for (const QString& a : QApplication::arguments().mid(1))
        args.push_back(a.toStdString());
    window.Start(args);

    const bool action = quor::ParseCommandLine(args).action != quor::StartAction::None;
    if (tips) {
        if (action || quor::ProgramOptions::Read(quor::AppSettings()).autoHideTip)
            delete tips;
        else
            tips->setWindowTitle(QStringLiteral("Tips"));
    }
    delete splash;

    const int rc = app.exec();
    delete tips;
    return rc;
}
