// main.cpp: the window tests run in one QApplication on the offscreen platform,
// with the user's configuration folder pointed at a temporary folder so that no
// test reads or writes the real settings.
#include <QApplication>
#include <QTemporaryDir>

#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir config;
    qputenv("XDG_CONFIG_HOME", config.path().toUtf8());
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quor"));
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
