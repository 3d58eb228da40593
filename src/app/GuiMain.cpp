// GuiMain.cpp: starts the editor.
#include <QApplication>
#include <QLabel>

int RunGui(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quor"));
    QLabel label(QStringLiteral("Quor"));
    label.show();
    return app.exec();
}
