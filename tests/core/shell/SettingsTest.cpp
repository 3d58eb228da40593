#include "base/RecordingMessages.h"
#include "shell/ExtensionSettings.h"
#include "shell/MemorySettingsStore.h"
#include "shell/NetworkSettings.h"
#include "shell/ProgramOptions.h"

#include <gtest/gtest.h>

#include <functional>

namespace quor {
namespace {

TEST(SettingInt, ReadsOnlyDecimalNumbers)
{
    struct Case {
        const char* text;
        int expected;
    };
    const Case cases[] = {
        {"12", 12}, {" 12 ", 12}, {"-4", -4}, {"+7", 7}, {"0", 0},
        {"", 99}, {"abc", 99}, {"12abc", 99}, {"$1F", 99}, {"0x10", 99},
        {"1.5", 99}, {"99999999999", 99}, {"-", 99}, {"1 2", 99},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ParseSettingInt(c.text, 99), c.expected) << '"' << c.text << '"';
}

TEST(MemoryStore, KeysAndNamesIgnoreCaseAndSeparators)
{
    MemorySettingsStore s;
    s.WriteValue("ftpnet", "NumSelectedConf0", "2");
    s.WriteValue("FTPNET", "numSelectedConf0", "3");   // the same value, not a second one
    EXPECT_EQ(s.ReadValue("ftpnet", "NUMSELECTEDCONF0"), "3");
    EXPECT_EQ(s.ValueNames("ftpnet"), std::vector<std::string>{"NumSelectedConf0"});

    s.WriteValue("Browser\\0", "Name", "Viewer");
    EXPECT_EQ(s.ReadValue("browser/0", "name"), "Viewer");
    EXPECT_EQ(s.Subkeys("BROWSER"), std::vector<std::string>{"0"});
    EXPECT_EQ(s.ReadValue("browser\\1", "name"), "");   // missing key reads as empty
}

TEST(MemoryStore, DeleteKeyTakesSubkeysButNotSiblings)
{
    MemorySettingsStore s;
    s.WriteValue("forms\\TTipForm", "Left", "10");
    s.WriteValue("forms", "x", "1");
    s.WriteValue("formsExtra", "y", "2");
    s.WriteOption("FormLim", "5");
    ResetWindowSettings(s);
    EXPECT_FALSE(s.KeyExists("forms"));
    EXPECT_FALSE(s.KeyExists("forms\\ttipform"));
    EXPECT_EQ(s.ReadValue("formsExtra", "y"), "2");
    EXPECT_EQ(s.ReadOption("FormLim"), "5");
}

TEST(ProgramOptionsRead, FreshProfileGivesTheDefaults)
{
    const MemorySettingsStore empty;
    const ProgramOptions o = ProgramOptions::Read(empty);
    EXPECT_EQ(o.formLim, 3);
    EXPECT_EQ(o.maxCacheImg, 20);
    EXPECT_EQ(o.undoDeep, 20);
    EXPECT_FALSE(o.promemSave);
    EXPECT_EQ(o.timeSave, 5);
    EXPECT_FALSE(o.atStartBlank);
    EXPECT_TRUE(o.tipOfTheDay);
    EXPECT_TRUE(o.bak);
    EXPECT_TRUE(o.saveTxtHtml);
    EXPECT_FALSE(o.restoreToolbars);
    EXPECT_FALSE(o.virgolette);
    EXPECT_EQ(o.cursors, 0);
    EXPECT_EQ(DefaultLibraryPath(o, "/opt/quor"), std::filesystem::path("/opt/quor/Custom/default.cus"));
}

TEST(ProgramOptionsRead, StoredTextsDecide)
{
    struct Case {
        const char* name;
        const char* text;
        std::function<bool(const ProgramOptions&)> holds;
    };
    const std::vector<Case> cases = {
        {"FormLim", "2", [](auto& o) { return o.formLim == 3; }},
        {"FormLim", "1", [](auto& o) { return o.formLim == 3; }},
        {"FormLim", "7", [](auto& o) { return o.formLim == 7; }},
        {"FormLim", "seven", [](auto& o) { return o.formLim == 3; }},
        {"maxCacheImg", "x10", [](auto& o) { return o.maxCacheImg == 20; }},
        {"maxCacheImg", "5000", [](auto& o) { return o.maxCacheImg == 200; }},
        {"undoDeep", "-3", [](auto& o) { return o.undoDeep == 5; }},
        {"TimeSave", "0", [](auto& o) { return o.timeSave == 1; }},
        {"Bak", "0", [](auto& o) { return !o.bak; }},
        {"Bak", "no", [](auto& o) { return o.bak; }},       // anything but "0" keeps copies
        {"TipOfTheDay", "0", [](auto& o) { return !o.tipOfTheDay; }},
        {"TipOfTheDay", "yes", [](auto& o) { return !o.tipOfTheDay; }},
        {"TipOfTheDay", "", [](auto& o) { return o.tipOfTheDay; }},
        {"PromemSave", "true", [](auto& o) { return !o.promemSave; }},   // only "1" is on
        {"notsavetool", "0", [](auto& o) { return o.restoreToolbars; }},
        {"Cursors", "9", [](auto& o) { return o.cursors == 0; }},
        {"Cursors", "3", [](auto& o) { return o.cursors == 3; }},
        {"DefaultLib", "/libs/My.CUS", [](auto& o) {
             return DefaultLibraryPath(o, "/p") == std::filesystem::path("/libs/My.CUS"); }},
        {"DefaultLib", "/libs/my.uva", [](auto& o) {
             return DefaultLibraryPath(o, "/p") == std::filesystem::path("/p/Custom/default.cus"); }},
    };
    for (const auto& c : cases) {
        MemorySettingsStore s;
        s.WriteOption(c.name, c.text);
        EXPECT_TRUE(c.holds(ProgramOptions::Read(s))) << c.name << " = \"" << c.text << '"';
    }
}

TEST(ProgramOptionsWrite, ReadsBackWhatItWrote)
{
    MemorySettingsStore s;
    ProgramOptions o;
    o.formLim = 8;
    o.bak = false;
    o.restoreToolbars = true;
    o.tipOfTheDay = false;
    o.lastFile = "/home/a/b.uva";
    o.Write(s);
    EXPECT_EQ(s.ReadOption("Bak"), "0");
    EXPECT_EQ(s.ReadOption("NotSaveTool"), "0");
    const ProgramOptions back = ProgramOptions::Read(s);
    EXPECT_EQ(back.formLim, 8);
    EXPECT_FALSE(back.bak);
    EXPECT_TRUE(back.restoreToolbars);
    EXPECT_FALSE(back.tipOfTheDay);
    EXPECT_EQ(back.lastFile, "/home/a/b.uva");
}

TEST(NetworkDefaults, FreshProfileGetsOneConfigurationOfEachKind)
{
    MemorySettingsStore s;
    EXPECT_EQ(WriteDefaultNetworkConfigurations(s), 2);
    EXPECT_EQ(s.ReadValue("quornet", "numConfTot"), "1");
    EXPECT_EQ(s.ReadValue("quornet\\0", "nomeConf"), "DefaultNT");
    EXPECT_EQ(s.ReadValue("quornet\\0", "quorUpCGI"), "quorupd.dll");
    EXPECT_EQ(s.ReadValue("quornet\\0", "directoryGet"), "c:\\temp");
    EXPECT_EQ(s.ReadValue("ftpnet", "NumSelectedConf2"), "0");
    EXPECT_EQ(s.ReadValue("ftpnet\\0", "user"), "anonymous");
    EXPECT_EQ(s.ReadValue("ftpnet\\0", "port"), "21");
    EXPECT_EQ(s.ReadValue("ftpnet\\0", "server"), kPlaceholderHost);
    EXPECT_EQ(s.Subkeys("ftpnet"), std::vector<std::string>{"0"});
}

TEST(NetworkDefaults, ExistingConfigurationsAreLeftAlone)
{
    MemorySettingsStore s;
    s.WriteValue("ftpnet", "NUMCONFTOT", "2");
    s.WriteValue("ftpnet\\0", "user", "me");
    EXPECT_EQ(WriteDefaultNetworkConfigurations(s), 1);   // only "quornet"
    EXPECT_EQ(s.ReadValue("ftpnet\\0", "user"), "me");
    EXPECT_EQ(s.ReadValue("ftpnet", "numConfTot"), "2");
}

TEST(FtpPassword, IsKeptOnlyWhileSavePasswordIsOn)
{
    MemorySettingsStore s;
    WriteFtpPassword(s, 1, true, "secret");
    EXPECT_EQ(ReadFtpPassword(s, 1), "secret");

    WriteFtpPassword(s, 1, false, "secret");
    EXPECT_EQ(ReadFtpPassword(s, 1), "");
    EXPECT_FALSE(s.Value("ftpnet\\1", "pass").has_value());   // removed, not merely hidden
    EXPECT_EQ(s.ReadValue("ftpnet\\1", "savePass"), "0");

    s.WriteValue("ftpnet\\2", "pass", "old");   // left by an earlier version
    s.WriteValue("ftpnet\\2", "savePass", "yes");
    EXPECT_EQ(ReadFtpPassword(s, 2), "");
}

TEST(Extensions, BehaviourComesFromTheListedExtensionOnly)
{
    MemorySettingsStore s;
    s.WriteValue("ext\\.zip", "comp", "1");
    s.WriteValue("ext\\.exe", "comp", "open");
    s.WriteValue("ext\\.doc", "comp", "7");
    s.WriteValue("ext\\.doc", "appPath", "/usr/bin/writer");
    const auto def = ExtensionBehaviour::Ask;
    EXPECT_EQ(ReadExtensionBehaviour(s, ".ZIP", def), ExtensionBehaviour::Save);
    EXPECT_EQ(ReadExtensionBehaviour(s, ".exe", def), def);
    EXPECT_EQ(ReadExtensionBehaviour(s, ".doc", def), def);
    EXPECT_EQ(ReadExtensionBehaviour(s, ".pdf", ExtensionBehaviour::Save), ExtensionBehaviour::Save);
    EXPECT_EQ(ReadExtensionBehaviour(s, "", def), def);
    EXPECT_EQ(ReadExtensionApplication(s, ".DOC"), "/usr/bin/writer");
}

TEST(FullPath, ReadsBelowTheRootAndReportsMissingKeys)
{
    MemorySettingsStore s;
    s.WriteOption("LastFile", "/a.uva");
    RecordingMessages messages;
    EXPECT_EQ(s.ReadByFullPath("\\SOFTWARE\\ZR\\Quor3.0E\\options\\LastFile", messages), "/a.uva");
    EXPECT_EQ(s.ReadByFullPath("options\\lastfile", messages), "/a.uva");
    EXPECT_TRUE(messages.Messages().empty());
    EXPECT_EQ(s.ReadByFullPath("\\SOFTWARE\\ZR\\Quor3.0E\\nothing\\x", messages), "");
    ASSERT_EQ(messages.Texts(), std::vector<std::string>{"Tmp err msg. Key non trovata nel registry:nothing : x"});
}

} // namespace
} // namespace quor
