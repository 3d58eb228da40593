#include "shell/NetworkSettings.h"
#include "shell/ProgramOptions.h"
#include "shell/QtSettingsStore.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace quor {
namespace {

class QtStore : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QString Path() const { return dir.path() + QStringLiteral("/cfg/ZR/Quor3.0E.ini"); }
};

TEST_F(QtStore, DefaultPathFollowsTheConfigurationFolder)
{
    const QByteArray old = qgetenv("XDG_CONFIG_HOME");
    qputenv("XDG_CONFIG_HOME", dir.path().toUtf8());
    EXPECT_EQ(QtSettingsStore::DefaultPath(), dir.path() + QStringLiteral("/ZR/Quor3.0E.ini"));
    qputenv("XDG_CONFIG_HOME", old);
}

TEST_F(QtStore, FreshProfileReadsDefaultsAndGetsNetworkConfigurations)
{
    QtSettingsStore store(Path());
    const ProgramOptions o = ProgramOptions::Read(store);
    EXPECT_EQ(o.formLim, 3);
    EXPECT_EQ(o.maxCacheImg, 20);
    EXPECT_TRUE(o.tipOfTheDay);
    EXPECT_TRUE(o.bak);
    EXPECT_EQ(WriteDefaultNetworkConfigurations(store), 2);
    EXPECT_EQ(WriteDefaultNetworkConfigurations(store), 0);   // only on the first start

    // What was written is in the file, under sections of the same names.
    QtSettingsStore again(Path());
    EXPECT_EQ(again.ReadValue("quornet\\0", "nomeConf"), "DefaultNT");
    EXPECT_EQ(again.ReadValue("ftpnet", "numSelectedConf1"), "0");
    EXPECT_EQ(again.Subkeys("quornet"), std::vector<std::string>{"0"});
}

TEST_F(QtStore, OneValueWhateverTheCapitals)
{
    {
        QtSettingsStore store(Path());
        store.WriteValue("ftpnet", "NumSelectedConf0", "2");
        store.WriteValue("FtpNet", "numselectedconf0", "3");
        store.WriteValue("Browser", "Num", "1");
        store.WriteValue("browser\\0", "Name", "Viewer");
    }
    QtSettingsStore store(Path());
    EXPECT_EQ(store.ReadValue("FTPNET", "numSelectedConf0"), "3");
    EXPECT_EQ(store.ValueNames("ftpnet"), std::vector<std::string>{"NumSelectedConf0"});
    EXPECT_EQ(store.ReadInt("browser", "num", 0), 1);
    EXPECT_EQ(store.ReadValue("BROWSER/0", "name"), "Viewer");
    EXPECT_EQ(store.Subkeys("Browser"), std::vector<std::string>{"0"});
    EXPECT_FALSE(store.Value("browser", "missing").has_value());
    EXPECT_FALSE(store.KeyExists("browser\\1"));
}

TEST_F(QtStore, ValuesKeepTheirTextExactly)
{
    QtSettingsStore store(Path());
    const std::string texts[] = {"c:\\temp", "/home/a b/c.uva", "a, b", "@Variant(x)", "caff\xC3\xA8", "", " x "};
    for (const auto& t : texts) {
        store.WriteOption("LastFile", t);
        QtSettingsStore again(Path());
        EXPECT_EQ(again.ReadOption("LastFile"), t);
    }
}

TEST_F(QtStore, ResetDeletesOnlyForms)
{
    QtSettingsStore store(Path());
    store.WriteValue("forms\\TipForm", "geometry", "abc");
    store.WriteValue("Forms\\Other", "geometry", "def");
    store.WriteValue("finds", "wholeword", "1");
    store.WriteOption("FormLim", "4");
    ResetWindowSettings(store);
    EXPECT_FALSE(store.KeyExists("forms"));
    EXPECT_EQ(store.ReadValue("finds", "wholeword"), "1");
    EXPECT_EQ(store.ReadOption("formlim"), "4");
}

TEST_F(QtStore, FileIsReadableByItsOwnerOnly)
{
    {
        QtSettingsStore store(Path());
        EXPECT_TRUE(QFile::permissions(Path()) & QFileDevice::ReadOwner);
        EXPECT_FALSE(QFile::permissions(Path()) & (QFileDevice::ReadGroup | QFileDevice::ReadOther));
        WriteFtpPassword(store, 0, true, "secret");
    }
    const auto perms = QFile::permissions(Path());
    EXPECT_FALSE(perms & (QFileDevice::ReadGroup | QFileDevice::ReadOther | QFileDevice::WriteGroup |
                          QFileDevice::WriteOther));
    // A file left readable by others is tightened when the store opens it.
    QFile::setPermissions(Path(), perms | QFileDevice::ReadOther);
    QtSettingsStore store(Path());
    EXPECT_FALSE(QFile::permissions(Path()) & QFileDevice::ReadOther);
    EXPECT_EQ(ReadFtpPassword(store, 0), "secret");
}

TEST_F(QtStore, PasswordLeavesTheFileWhenSavePasswordIsTurnedOff)
{
    QtSettingsStore store(Path());
    WriteFtpPassword(store, 0, true, "hunter2");
    WriteFtpPassword(store, 0, false, "");
    QFile f(Path());
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_FALSE(f.readAll().contains("hunter2"));
}

TEST_F(QtStore, UnwritableFolderFailsSilently)
{
    const QString path = QStringLiteral("/proc/quor-no-such/Quor3.0E.ini");
    QtSettingsStore store(path);
    store.WriteOption("FormLim", "5");   // dropped without a crash or a message
    EXPECT_FALSE(QFile::exists(path));
}

} // namespace
} // namespace quor
