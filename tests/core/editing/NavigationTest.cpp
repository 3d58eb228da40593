// Caret moves, exit codes and keyboard selection.
#include "editing/EditorFixture.h"

namespace quor {
namespace {

using Fixture = testing::EditorFixture;

struct MoveCase {
    const char* name;
    int para, index;
    NavKey key;
    bool ctrl;
    int toPara, toIndex;
    int exitCode;
};

// Paragraphs: 0 "abc def" wraps in a 50 px box as "abc " / "def";
// 1 "x, yz"; 2 "last"; a table paragraph 3 is below in the table cases.
class Moves : public Fixture, public ::testing::WithParamInterface<MoveCase> {};

TEST_P(Moves, GoWhereTheKeySays)
{
    const MoveCase& c = GetParam();
    Load({"abc def", "x, yz", "last"}, 50);
    editor->SetCaret(c.para, c.index);
    EXPECT_EQ(editor->Move(c.key, c.ctrl), c.exitCode);
    EXPECT_EQ(editor->Caret().paragraph, c.toPara);
    EXPECT_EQ(editor->Caret().index, c.toIndex);
}

INSTANTIATE_TEST_SUITE_P(
    Keys, Moves,
    ::testing::Values(
        MoveCase{"LeftInText", 0, 2, NavKey::Left, false, 0, 1, 0},
        MoveCase{"LeftToPreviousEnd", 1, 0, NavKey::Left, false, 0, 7, 0},
        MoveCase{"LeftOutOfTheBox", 0, 0, NavKey::Left, false, 0, 0, 1},
        MoveCase{"RightToNextStart", 0, 7, NavKey::Right, false, 1, 0, 0},
        MoveCase{"RightOutOfTheBox", 2, 4, NavKey::Right, false, 2, 4, 2},
        MoveCase{"UpKeepsX", 0, 5, NavKey::Up, false, 0, 1, 0},
        MoveCase{"UpFromFirstLineGoesToPrevious", 1, 2, NavKey::Up, false, 0, 6, 0},
        MoveCase{"UpOutOfTheBox", 0, 1, NavKey::Up, false, 0, 1, 3},
        MoveCase{"DownKeepsX", 0, 1, NavKey::Down, false, 0, 5, 0},
        MoveCase{"UpLandsAtShortLineEnd", 2, 4, NavKey::Up, false, 1, 5, 0},
        MoveCase{"DownOutOfTheBox", 2, 1, NavKey::Down, false, 2, 1, 4},
        MoveCase{"HomeOfSecondLine", 0, 6, NavKey::Home, false, 0, 4, 0},
        MoveCase{"EndOfLastLine", 0, 5, NavKey::End, false, 0, 7, 0},
        MoveCase{"CtrlHome", 2, 3, NavKey::Home, true, 0, 0, 0},
        MoveCase{"CtrlEnd", 0, 3, NavKey::End, true, 2, 4, 0},
        MoveCase{"CtrlUpGoesToPreviousStart", 1, 3, NavKey::Up, true, 0, 0, 0},
        MoveCase{"CtrlUpInFirstParagraph", 0, 3, NavKey::Up, true, 0, 3, 3},
        MoveCase{"CtrlDown", 0, 3, NavKey::Down, true, 1, 0, 0},
        MoveCase{"PageDownStopsAtTheLastLine", 0, 0, NavKey::PageDown, false, 2, 0, 0},
        MoveCase{"WordRightSkipsWordAndSeparators", 1, 0, NavKey::Right, true, 1, 3, 0},
        MoveCase{"WordRightFromLastCharToNextParagraph", 0, 6, NavKey::Right, true, 1, 0, 0},
        MoveCase{"WordRightFromFirstCharOfLastWordToEnd", 0, 4, NavKey::Right, true, 0, 7, 0},
        MoveCase{"WordLeftToWordStart", 1, 5, NavKey::Left, true, 1, 3, 0},
        MoveCase{"WordLeftOverSeparators", 1, 3, NavKey::Left, true, 1, 0, 0},
        MoveCase{"WordLeftFromStartToPreviousEnd", 1, 0, NavKey::Left, true, 0, 7, 0},
        MoveCase{"WordLeftStopsAtParagraphStartWord", 0, 1, NavKey::Left, true, 0, 0, 0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(Fixture, MovesNeverEnterTablesAndSayWhichWay)
{
    struct Case {
        int para, index;
        NavKey key;
        bool ctrl;
        int exitCode;
    } cases[] = {
        {0, 2, NavKey::Right, false, 6},
        {0, 1, NavKey::Down, false, 8},
        {0, 0, NavKey::Down, true, 8},
        {2, 0, NavKey::Left, false, 5},
        {2, 1, NavKey::Up, false, 7},
        {2, 1, NavKey::Up, true, 7},
    };
    Load({"ab", "#", "cd"});
    for (const Case& c : cases) {
        editor->SetCaret(c.para, c.index);
        EXPECT_EQ(editor->Move(c.key, c.ctrl), c.exitCode) << c.para << "," << c.index;
        EXPECT_EQ(editor->Caret().paragraph, c.para);
        EXPECT_EQ(editor->Caret().index, c.index);
    }
}

TEST_F(Fixture, MovesNeverEnterHeaderOrFooter)
{
    ParagraphList list;
    for (const char* t : {"head", "own", "foot"})
        list.push_back(testing::MakeParagraph(styles, t, metrics));
    box.SetParagraphs(std::move(list), 1, 1);
    TUVAboxEditor ed(box);
    EXPECT_EQ(ed.Caret().paragraph, 1);
    EXPECT_EQ(ed.Move(NavKey::Up), 3);
    EXPECT_EQ(ed.Move(NavKey::Down), 4);
    ed.Move(NavKey::End, true);
    EXPECT_EQ(ed.Caret().paragraph, 1);
    EXPECT_EQ(ed.Move(NavKey::Right), 2);
}

TEST_F(Fixture, ShiftMovesExtendAKeyboardSelectionFromItsAnchor)
{
    Load({"abc def"}, 50);
    editor->SetCaret(0, 6); // inside "def"
    editor->Move(NavKey::Home);
    editor->Move(NavKey::End, false, true);
    EXPECT_EQ(editor->Anchor().index, 4);
    EXPECT_EQ(editor->Caret().index, 7);
    EXPECT_EQ(editor->SelectedText(), "def");

    editor->SetCaret(0, 6);
    editor->Move(NavKey::Home, false, true);
    editor->Move(NavKey::End, false, true); // the anchor stays where the selection began
    EXPECT_EQ(editor->Anchor().index, 6);
    EXPECT_EQ(editor->SelectedText(), "f");
}

TEST_F(Fixture, ShiftMovesStayInsideTheBox)
{
    Load({"ab"});
    editor->SetCaret(0, 1);
    EXPECT_EQ(editor->Move(NavKey::Up, false, true), 0);
    EXPECT_FALSE(editor->HasSelection());
}

TEST_F(Fixture, ArrowsCollapseASelectionWithoutMovingFurther)
{
    struct Case {
        NavKey key;
        int index;
    } cases[] = {{NavKey::Left, 2}, {NavKey::Up, 2}, {NavKey::Home, 2}, {NavKey::Right, 5}, {NavKey::End, 5}, {NavKey::Down, 5}};
    Load({"abcdefgh"});
    for (const Case& c : cases) {
        editor->Select(0, 5, 0, 2, SelectionOrigin::Mouse);
        editor->Move(c.key);
        EXPECT_FALSE(editor->HasSelection());
        EXPECT_EQ(editor->Caret().index, c.index);
    }
}

TEST_F(Fixture, OtherSelectionsAreReplacedByShiftMoves)
{
    Load({"abcdefgh"});
    editor->SelectAll();
    editor->Move(NavKey::Left, false, true); // caret at 8 was the active end
    EXPECT_EQ(editor->Anchor().index, 8);
    EXPECT_EQ(editor->Caret().index, 7);
    editor->Move(NavKey::Left, false, true); // a keyboard selection is extended
    EXPECT_EQ(editor->Anchor().index, 8);
    EXPECT_EQ(editor->Caret().index, 6);
}

} // namespace
} // namespace quor
