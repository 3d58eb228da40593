// Page history, "Go to page" lists, recent files and the command line.
#include "shell/MemorySettingsStore.h"
#include "shell/navigation/CommandLine.h"
#include "shell/navigation/GoToPageList.h"
#include "shell/navigation/PageHistory.h"
#include "shell/navigation/RecentFiles.h"

#include <gtest/gtest.h>

namespace quor {
namespace {

TEST(PageHistory, InsertsAfterSelectionAndKeepsLaterEntries)
{
    PageHistory h;
    EXPECT_FALSE(h.CanGoPrevious());
    EXPECT_FALSE(h.CanGoNext());
    EXPECT_TRUE(h.Record(PageHistory::Address("/d/a.uva", 0)));
    EXPECT_FALSE(h.Record("quor:///d/a.uva|0"));   // same as the selection: nothing
    h.Record(PageHistory::Address("/d/a.uva", 1));
    h.Record(PageHistory::Address("/d/a.uva", 2));
    EXPECT_EQ(h.Selected(), 2);
    EXPECT_TRUE(h.CanGoPrevious());
    EXPECT_FALSE(h.CanGoNext());

    EXPECT_EQ(h.Previous(), "quor:///d/a.uva|1");
    EXPECT_EQ(h.Previous(), "quor:///d/a.uva|0");
    EXPECT_FALSE(h.CanGoPrevious());
    EXPECT_EQ(h.Previous(), std::nullopt);
    EXPECT_TRUE(h.CanGoNext());

    // Visiting a page from the first entry inserts it just after it.
    h.Record(PageHistory::Address("/d/b.uva", 4));
    EXPECT_EQ(h.Entries(), (std::vector<std::string>{"quor:///d/a.uva|0", "quor:///d/b.uva|4",
                                                     "quor:///d/a.uva|1", "quor:///d/a.uva|2"}));
    EXPECT_EQ(h.Selected(), 1);
    EXPECT_EQ(h.Next(), "quor:///d/a.uva|1");
    EXPECT_FALSE(h.Select(4));
    EXPECT_TRUE(h.Select(3));
    EXPECT_FALSE(h.CanGoNext());
}

TEST(GoToPageList, RefreshesListedPagesAndDropsPosition16)
{
    GoToPageList list(3);   // two fixed entries and the separator
    EXPECT_TRUE(list.Visit(0, "Cover"));
    EXPECT_FALSE(list.Visit(0, "Cover page"));
    EXPECT_EQ(list.Items(), (std::vector<GoToPageList::Item>{{"Cover page", 0}}));
    for (int p = 1; p <= 13; ++p)
        list.Visit(p, "P" + std::to_string(p));
    EXPECT_EQ(list.MenuCount(), 17);
    // A menu of 17 items loses its item at position 16, the oldest page (0).
    list.Visit(14, "P14");
    EXPECT_EQ(list.MenuCount(), 17);
    EXPECT_EQ(list.Items().front(), (GoToPageList::Item{"P14", 14}));
    EXPECT_EQ(list.Items().back(), (GoToPageList::Item{"P1", 1}));
    list.Remove(5);
    EXPECT_EQ(list.MenuCount(), 16);
    list.Visit(15, "P15");   // 16 items: nothing dropped
    EXPECT_EQ(list.MenuCount(), 17);
    list.Clear();
    EXPECT_TRUE(list.Items().empty());
}

TEST(RecentFiles, KeepsFiveMovesReopenedAndSkipsExamples)
{
    RecentFiles r;
    r.SetExamplesFolder("/opt/quor/es_uva/");
    for (int i = 1; i <= 5; ++i)
        r.Touch("/h/f" + std::to_string(i) + ".uva");
    r.Touch("/h/f6.uva");
    EXPECT_EQ(r.Files().front(), "/h/f2.uva");
    r.Touch("/h/f3.uva");
    EXPECT_EQ(r.Files(), (std::vector<std::string>{"/h/f2.uva", "/h/f4.uva", "/h/f5.uva", "/h/f6.uva", "/h/f3.uva"}));
    EXPECT_FALSE(r.Touch("/opt/quor/es_uva/index.uva"));
    EXPECT_FALSE(r.Touch(""));
    EXPECT_EQ(r.Files().size(), 5u);

    MemorySettingsStore store;
    r.Save(store);
    EXPECT_EQ(store.ReadValue("RecentFile", "0"), "/h/f2.uva");
    EXPECT_EQ(store.ReadValue("RecentFile", "4"), "/h/f3.uva");
    RecentFiles back;
    back.Load(store);
    EXPECT_EQ(back.Files(), r.Files());

    back.Remove("/h/f4.uva");
    back.Save(store);
    EXPECT_EQ(store.ReadValue("RecentFile", "3"), "/h/f3.uva");
    EXPECT_FALSE(store.Value("RecentFile", "4").has_value());
}

struct CommandCase {
    std::vector<std::string> args;
    StartAction action;
    bool init;
    std::string file;
};

class CommandLine : public ::testing::TestWithParam<CommandCase> {};

TEST_P(CommandLine, ParsesSwitchesAndJoinsPaths)
{
    const auto& c = GetParam();
    const auto r = ParseCommandLine(c.args);
    EXPECT_EQ(r.action, c.action);
    EXPECT_EQ(r.init, c.init);
    EXPECT_EQ(r.file, c.file);
}

INSTANTIATE_TEST_SUITE_P(Cases, CommandLine, ::testing::Values(
    CommandCase{{}, StartAction::None, false, ""},
    CommandCase{{"/home/me/My", "Documents/a.uva"}, StartAction::None, false, "/home/me/My Documents/a.uva"},
    CommandCase{{"/print", "a.uva"}, StartAction::Print, false, "a.uva"},
    CommandCase{{"/PQuor", "a.uva"}, StartAction::PublishQuor, false, "a.uva"},
    CommandCase{{"/pftp", "a.uva", "extra"}, StartAction::PublishFtp, false, "a.uva"},
    CommandCase{{"/Init"}, StartAction::None, true, ""},
    CommandCase{{"/other", "a.uva"}, StartAction::None, false, "/other a.uva"},
    CommandCase{{"/"}, StartAction::None, false, "/"}));

} // namespace
} // namespace quor
