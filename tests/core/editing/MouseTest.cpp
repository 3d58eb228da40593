// Mouse logic of a text box: selecting by dragging, arming and starting a
// drag, clicks, double-click word selection, links and context menus, and
// what the box reports to its view.
#include "editing/EditorFixture.h"

#include "model/Units.h"
#include "textengine/BoxMouse.h"

#include <functional>

namespace quor {
namespace {

// Counts the reports a box sends to its host.
struct ReportCounter : IBoxView {
    void SelectionChanged() override { ++selection; }
    void RulerPosChanged() override { ++ruler; }
    int selection = 0;
    int ruler = 0;
};

// Every character is 10 px wide and every line 16 px high; the first
// paragraph starts 8 px down, so (para, index) of one-line paragraphs sits at
// x = 10 * index + 5, y = 16 + 16 * para.
class MouseFixture : public testing::EditorFixture {
protected:
    void LoadBox(std::vector<std::string> texts, int headers = 0)
    {
        Load(std::move(texts), 400);
        if (headers > 0) {
            ParagraphList list = std::move(box.Paragraphs());
            list[0]->SetKind(ParagraphKind::Header);
            box.SetParagraphs(std::move(list), headers, 0);
            editor = std::make_unique<TUVAboxEditor>(box, &undo, &messages);
        }
        box.SetView(&reports);
        mouse = std::make_unique<BoxMouse>(*editor);
    }
    static int X(int index) { return 10 * index + 5; }
    static int Y(int para) { return 16 + 16 * para; }

    BoxMouseResult Click(int para, int index, BoxMouseButton button = BoxMouseButton::Left)
    {
        mouse->Press(X(index), Y(para), button);
        return mouse->Release(X(index), Y(para), button);
    }
    void DoubleClick(int para, int index)
    {
        Click(para, index);
        mouse->DoubleClickPress(X(index), Y(para), BoxMouseButton::Left);
        mouse->Release(X(index), Y(para), BoxMouseButton::Left);
    }
    void SetLink(int para, int from, int to, int value)
    {
        for (int i = from; i < to; ++i)
            box.At(para).Records()[static_cast<std::size_t>(i)].link = value;
    }

    ReportCounter reports;
    std::unique_ptr<BoxMouse> mouse;
};

struct DragCase {
    const char* name;
    int press, move;
    int anchor, active;
};

class DragSelecting : public MouseFixture, public ::testing::WithParamInterface<DragCase> {};

TEST_P(DragSelecting, StartsBeyondFourPixelsAndFollowsThePointer)
{
    const DragCase& c = GetParam();
    LoadBox({"hello world"});
    mouse->Press(X(c.press), Y(0), BoxMouseButton::Left);
    mouse->Move(X(c.press) + 4, Y(0) - 4); // still a click
    EXPECT_FALSE(editor->HasSelection());
    EXPECT_EQ(reports.selection, 0);
    mouse->Move(X(c.move), Y(0));
    EXPECT_EQ(editor->Anchor().index, c.anchor);
    EXPECT_EQ(editor->Caret().index, c.active);
    EXPECT_EQ(reports.selection, 1); // the start of a mouse selection is reported
    mouse->Move(X(c.move + 1), Y(0));
    EXPECT_EQ(editor->Caret().index, c.active + 1);
    EXPECT_EQ(mouse->Release(X(c.move + 1), Y(0), BoxMouseButton::Left).action, BoxMouseAction::None);
    EXPECT_TRUE(editor->HasSelection());
    EXPECT_EQ(reports.selection, 2); // and so is the release
}

INSTANTIATE_TEST_SUITE_P(Cases, DragSelecting,
                         ::testing::Values(DragCase{"Rightwards", 2, 8, 3, 8},
                                           DragCase{"Leftwards", 8, 2, 8, 2}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(MouseFixture, ADragSelectionCarriesOnIntoOtherParagraphs)
{
    LoadBox({"abcdef", "ghijkl"});
    mouse->Press(X(4), Y(0), BoxMouseButton::Left);
    mouse->Move(X(1), Y(1)); // index 1 is not greater than 4: the anchor stays
    EXPECT_EQ(editor->SelectedText(), "efg");
    EXPECT_EQ(editor->SelectionStart().paragraph, 0);
    EXPECT_EQ(editor->SelectionStart().index, 4);
    EXPECT_EQ(editor->SelectionEnd().paragraph, 1);
    EXPECT_EQ(editor->SelectionEnd().index, 1);
    // A shifted key extends a mouse selection from the same anchor.
    editor->Move(NavKey::Right, false, true);
    EXPECT_EQ(editor->SelectedText(), "efgh");
}

TEST_F(MouseFixture, APressInsideTheSelectionArmsADrag)
{
    LoadBox({"hello world"});
    editor->Select(0, 2, 0, 8, SelectionOrigin::Mouse);
    mouse->Press(X(4), Y(0), BoxMouseButton::Left);
    EXPECT_TRUE(mouse->DragArmed());
    EXPECT_TRUE(editor->HasSelection()); // the press leaves the selection
    EXPECT_EQ(mouse->Move(X(4) + 3, Y(0)).action, BoxMouseAction::None);
    EXPECT_EQ(mouse->Move(X(4) + 5, Y(0)).action, BoxMouseAction::StartDrag);
    EXPECT_TRUE(mouse->Dragging());
    EXPECT_EQ(mouse->Release(X(6), Y(0), BoxMouseButton::Left).action, BoxMouseAction::None);
    EXPECT_EQ(editor->SelectedText(), "llo wo"); // a drag does not touch the selection
    mouse->DragEnded();
    EXPECT_FALSE(mouse->Pressed());

    // Without a move the click just puts the caret there.
    Click(0, 4);
    EXPECT_FALSE(editor->HasSelection());
    EXPECT_EQ(editor->Caret().index, 4);
}

TEST_F(MouseFixture, ARightClickKeepsTheSelectionAndAsksForTheMenu)
{
    LoadBox({"hello world"});
    editor->Select(0, 0, 0, 5, SelectionOrigin::Mouse);
    const BoxMouseResult r = Click(0, 8, BoxMouseButton::Right);
    EXPECT_EQ(r.action, BoxMouseAction::PopupOwn);
    EXPECT_EQ(editor->SelectedText(), "hello");
}

struct WordCase {
    const char* name;
    std::vector<std::string> texts;
    int index;
    int startIndex;
    int endPara, endIndex;
};

class DoubleClickWord : public MouseFixture, public ::testing::WithParamInterface<WordCase> {};

TEST_P(DoubleClickWord, SelectsTheWordUnderThePointer)
{
    const WordCase& c = GetParam();
    LoadBox(c.texts);
    DoubleClick(0, c.index);
    EXPECT_EQ(editor->Caret().paragraph, 0);
    EXPECT_EQ(editor->Caret().index, c.startIndex); // the caret at the word's start
    EXPECT_EQ(editor->Anchor().paragraph, c.endPara);
    EXPECT_EQ(editor->Anchor().index, c.endIndex);
    EXPECT_EQ(reports.selection, 2); // the first click's release and the word
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DoubleClickWord,
    ::testing::Values(WordCase{"BeforeAComma", {"say word, then"}, 5, 4, 0, 8},
                      WordCase{"WithItsSpaces", {"say word  then"}, 6, 4, 0, 10},
                      WordCase{"FirstWord", {"word then"}, 2, 0, 0, 5},
                      WordCase{"AfterAPoint", {"a foo.bar"}, 7, 6, 0, 9},
                      WordCase{"LastWordStaysInItsParagraph", {"one two", "next"}, 5, 4, 0, 7},
                      WordCase{"PastTheEndReachesTheNextParagraph", {"one two", "next"}, 7, 4, 1, 0}),
    [](const auto& info) { return std::string(info.param.name); });

struct LinkCase {
    const char* name;
    bool readOnly;
    BoxMouseButton button;
    int kind; // of the link's target
    BoxMouseAction action;
};

class LinkClicks : public MouseFixture, public ::testing::WithParamInterface<LinkCase> {};

TEST_P(LinkClicks, FollowOrOfferTheLinkMenu)
{
    const LinkCase& c = GetParam();
    LoadBox({"a link b"});
    SetLink(0, 2, 6, 0x6F000003);
    mouse->SetModes(c.readOnly, false);
    mouse->SetLinkKinds([&](int link) { return link == 0x6F000003 ? c.kind : -1; });
    const BoxMouseResult r = Click(0, 3, c.button);
    EXPECT_EQ(r.action, c.action);
    EXPECT_EQ(r.link, r.action == BoxMouseAction::None ? -1 : 0x6F000003);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, LinkClicks,
    ::testing::Values(LinkCase{"EditLeftClickPlacesTheCaret", false, BoxMouseButton::Left, 1, BoxMouseAction::None},
                      LinkCase{"EditRightClickFollows", false, BoxMouseButton::Right, 1, BoxMouseAction::FollowLink},
                      LinkCase{"EditGenericLinkMenu", false, BoxMouseButton::Right, 3, BoxMouseAction::PopupGenLink},
                      LinkCase{"EditSpecialLinkMenu", false, BoxMouseButton::Right, 10, BoxMouseAction::PopupSpecLink},
                      LinkCase{"BrowseFollowsEveryKind", true, BoxMouseButton::Left, 3, BoxMouseAction::FollowLink}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(MouseFixture, ReadOnlyClicksReportTheClickAndTheBox)
{
    LoadBox({"plain text"});
    mouse->SetModes(true, false);
    const BoxMouseResult press = mouse->Press(X(2), Y(0), BoxMouseButton::Left);
    EXPECT_TRUE(press.reportClick);
    const BoxMouseResult release = mouse->Release(X(2), Y(0), BoxMouseButton::Left);
    EXPECT_TRUE(release.reportClick);
    EXPECT_TRUE(release.rememberBox);
    EXPECT_EQ(release.action, BoxMouseAction::PopupOwn);
    EXPECT_EQ(editor->Caret().index, 2); // a browsing press still moves the caret
}

TEST_F(MouseFixture, ContextMenusDependOnWhatIsUnderThePointer)
{
    LoadBox({"header", "wrnog word"}, 1);
    box.At(1).spellMarks = "!!!!!     ";
    EXPECT_EQ(Click(1, 2, BoxMouseButton::Right).action, BoxMouseAction::PopupSpelling);
    EXPECT_EQ(Click(1, 7, BoxMouseButton::Right).action, BoxMouseAction::PopupOwn);
    EXPECT_EQ(Click(0, 2, BoxMouseButton::Right).action, BoxMouseAction::PopupInactive);
    mouse->SetModes(false, false, true); // a box that is a table shows no menu
    EXPECT_EQ(Click(1, 7, BoxMouseButton::Right).action, BoxMouseAction::None);
}

TEST_F(MouseFixture, HeaderTextAndInactiveBoxesKeepTheCaret)
{
    LoadBox({"header", "own text"}, 1);
    editor->SetCaret(1, 3);
    Click(0, 2); // on the header
    EXPECT_EQ(editor->Caret().paragraph, 1);
    EXPECT_EQ(editor->Caret().index, 3);

    mouse->SetModes(false, true);
    reports.selection = 0;
    const BoxMouseResult r = Click(1, 6);
    EXPECT_EQ(editor->Caret().index, 3);
    EXPECT_EQ(r.action, BoxMouseAction::PopupInactive);
    mouse->Press(X(1), Y(1), BoxMouseButton::Left);
    mouse->Move(X(6), Y(1));
    EXPECT_FALSE(editor->HasSelection()); // no selecting either
    mouse->Release(X(6), Y(1), BoxMouseButton::Left);
    EXPECT_EQ(reports.selection, 0); // an inactive box in edit mode reports nothing
}

TEST_F(MouseFixture, HoverShowsWhatAClickWouldDo)
{
    LoadBox({"header", "a link and more"}, 1);
    SetLink(1, 2, 6, 0x00000005);
    editor->Select(1, 11, 1, 15, SelectionOrigin::Mouse);
    struct Case {
        bool readOnly;
        int para, index;
        BoxCursor cursor;
        int link;
    } cases[] = {
        {false, 1, 3, BoxCursor::Link, 5},      {true, 1, 3, BoxCursor::LinkBrowse, 5},
        {false, 1, 12, BoxCursor::Drag, -1},    {false, 1, 8, BoxCursor::Text, -1},
        {true, 1, 8, BoxCursor::Arrow, -1},     {false, 0, 2, BoxCursor::Arrow, -1},
    };
    for (const Case& c : cases) {
        mouse->SetModes(c.readOnly, false);
        const BoxHover h = mouse->Hover(X(c.index), Y(c.para));
        EXPECT_EQ(h.cursor, c.cursor) << c.para << "/" << c.index << " readOnly " << c.readOnly;
        EXPECT_EQ(h.link, c.link);
    }
}

// Which editing actions report a selection change or a ruler move.
struct ReportCase {
    const char* name;
    std::function<void(TUVAboxEditor&)> action;
    int selection, ruler;
};

class Reports : public MouseFixture, public ::testing::WithParamInterface<ReportCase> {};

TEST_P(Reports, GoToTheViewAfterTheRightActions)
{
    const ReportCase& c = GetParam();
    LoadBox({"first line", "second", "third"});
    editor->SetCaret(1, 3);
    c.action(*editor);
    EXPECT_EQ(reports.selection, c.selection);
    EXPECT_EQ(reports.ruler, c.ruler);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Reports,
    ::testing::Values(
        ReportCase{"MoveInsideTheBox", [](TUVAboxEditor& e) { e.Move(NavKey::Right); }, 1, 0},
        ReportCase{"ShiftMove", [](TUVAboxEditor& e) { e.Move(NavKey::Right, false, true); }, 1, 0},
        ReportCase{"MoveOutOfTheBox", [](TUVAboxEditor& e) { e.Move(NavKey::Up); e.Move(NavKey::Up); e.Move(NavKey::Up); }, 1, 0},
        ReportCase{"OnlyTheFirstTypedCharacter", [](TUVAboxEditor& e) { e.TypeChar('a'); e.TypeChar('b'); }, 1, 0},
        ReportCase{"Enter", [](TUVAboxEditor& e) { e.SplitParagraph(); }, 1, 0},
        ReportCase{"DeletionsThatOpenARun", [](TUVAboxEditor& e) { e.Backspace(); e.Backspace(); e.Delete(); }, 1, 0},
        ReportCase{"ParagraphAttribute", [](TUVAboxEditor& e) { e.ParaAttributes().SetAlignment(1); }, 0, 1},
        ReportCase{"UnitChange", [](TUVAboxEditor& e) { e.ParaAttributes().SetUnit(kUnitPixels); }, 0, 1},
        ReportCase{"Style", [](TUVAboxEditor& e) { e.ParaAttributes().SetStyle("Quote"); }, 1, 1},
        ReportCase{"UnknownStyle", [](TUVAboxEditor& e) { e.ParaAttributes().SetStyle("none such"); }, 0, 0},
        ReportCase{"CharacterAttribute", [](TUVAboxEditor& e) { e.TextAttributes().SetSize(20); }, 0, 0},
        ReportCase{"Loaded", [](TUVAboxEditor& e) { e.TextLoaded(); }, 1, 1}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace quor
