// The export choices kept in the settings: HTML options read at start, the
// export dialog's values per format, and the format a proposed name selects.
#include "conversion/ExportSettings.h"
#include "conversion/TUVAtoHtml.h"
#include "shell/MemorySettingsStore.h"

#include <gtest/gtest.h>

#include <optional>

namespace quor {
namespace {

struct OptionsCase {
    const char* name;
    std::optional<std::string> sepImage, origName, alt, ext;
    bool wantSep, wantOrig, wantAlt;
    int wantExt;
};

class HtmlOptionsAtStart : public ::testing::TestWithParam<OptionsCase> {};

TEST_P(HtmlOptionsAtStart, FollowTheStoredValues)
{
    const OptionsCase& c = GetParam();
    MemorySettingsStore store;
    if (c.sepImage)
        store.WriteValue("htmlexp", "expSepImage", *c.sepImage);
    if (c.origName)
        store.WriteValue("htmlexp", "expOrigName", *c.origName);
    if (c.alt)
        store.WriteValue("htmlexp", "expAlt", *c.alt);
    if (c.ext)
        store.WriteValue("htmlexp", "expTipoExt", *c.ext);
    TUVAtoHtml conv;
    LoadHtmlExportOptions(conv, store);
    EXPECT_EQ(conv.ExpSepImage, c.wantSep);
    EXPECT_EQ(conv.ExpOrigName, c.wantOrig);
    EXPECT_EQ(conv.ExpAutoAlt, c.wantAlt);
    EXPECT_EQ(conv.ExpTipoExt, c.wantExt);
}

INSTANTIATE_TEST_SUITE_P(
    Values, HtmlOptionsAtStart,
    ::testing::Values(
        // Nothing stored: automatic alt texts on, ".htm".
        OptionsCase{"nothing", {}, {}, {}, {}, false, false, true, 0},
        OptionsCase{"allOn", "1", "1", "1", "1", true, true, true, 1},
        OptionsCase{"allOff", "0", "0", "0", "0", false, false, false, 0},
        // Boxes count only as "1" (alt: anything but "0"); an unknown index is the default.
        OptionsCase{"odd", "yes", "2", "x", "7", false, false, true, 0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ExportSettings, OptionsRoundTripThroughTheStore)
{
    MemorySettingsStore store;
    TUVAtoHtml written;
    written.ExpSepImage = true;
    written.ExpAutoAlt = false;
    written.ExpTipoExt = 0;
    StoreHtmlExportOptions(written, store);
    EXPECT_EQ(store.ReadValue("htmlexp", "expAlt"), "0");
    TUVAtoHtml read;
    LoadHtmlExportOptions(read, store);
    EXPECT_TRUE(read.ExpSepImage);
    EXPECT_FALSE(read.ExpOrigName);
    EXPECT_FALSE(read.ExpAutoAlt);
    EXPECT_EQ(read.ExpTipoExt, 0);
}

TEST(ExportSettings, DialogValuesAreKeptPerFormat)
{
    MemorySettingsStore store;
    const auto defaults = ExportDialogSettings::Load(store, 1, "/tmp/");
    EXPECT_EQ(defaults.folder, "/tmp/");
    EXPECT_EQ(defaults.width, 210);
    EXPECT_EQ(defaults.height, 297);
    EXPECT_EQ(defaults.top + defaults.bottom + defaults.left + defaults.right, 60);

    ExportDialogSettings s = defaults;
    s.folder = "/out/";
    s.left = 20;
    s.Store(store, 1);
    EXPECT_EQ(store.ReadValue("exp\\1", "expPathInWindow"), "/out/");
    EXPECT_EQ(store.ReadValue("exp\\1", "sx"), "20");
    EXPECT_EQ(store.ReadValue("exp\\1", "dx"), "15");
    EXPECT_EQ(ExportDialogSettings::Load(store, 1, "/tmp/").left, 20);
    // Another format keeps its own values.
    EXPECT_EQ(ExportDialogSettings::Load(store, 4, "/tmp/").folder, "/tmp/");
}

TEST(ExportSettings, ProposedNameSelectsTheFirstFormatTakingItsExtension)
{
    const int all[] = {0, 1, 2, 4, 5};
    EXPECT_EQ(ExportFormatForFile("C:\\a\\b.HTML", all, 5), 0);
    EXPECT_EQ(ExportFormatForFile("/a/b.htm", all, 5), 0);
    EXPECT_EQ(ExportFormatForFile("/a/b.rtf", all, 5), 1);   // before 2 and 5
    EXPECT_EQ(ExportFormatForFile("/a/b.cpp", all, 5), 4);
    EXPECT_EQ(ExportFormatForFile("/a/b.wri", all, 5), 5);
    // Whole extensions only: ".ht" is not ".htm", ".c" is not ".cpp".
    EXPECT_EQ(ExportFormatForFile("/a/b.ht", all, 5), -1);
    EXPECT_EQ(ExportFormatForFile("/a.htm/b", all, 5), -1);
    const int htmlOnly[] = {0};
    EXPECT_EQ(ExportFormatForFile("/a/b.rtf", htmlOnly, 1), -1);
}

} // namespace
} // namespace quor
