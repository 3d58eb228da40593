// Delete, Backspace, selection deletion across paragraphs, replacing.
#include "editing/EditorFixture.h"

namespace quor {
namespace {

using Fixture = testing::EditorFixture;

struct KeyCase {
    const char* name;
    std::vector<std::string> before;
    int para, index;
    bool backspace; // else Delete
    std::vector<std::string> after;
    int caretPara, caretIndex;
};

class DeleteKeys : public Fixture, public ::testing::WithParamInterface<KeyCase> {};

TEST_P(DeleteKeys, EditTextAndParagraphBreaks)
{
    const KeyCase& c = GetParam();
    Load(c.before);
    editor->SetCaret(c.para, c.index);
    if (c.backspace)
        editor->Backspace();
    else
        editor->Delete();
    EXPECT_EQ(Texts(), c.after);
    EXPECT_EQ(editor->Caret().paragraph, c.caretPara);
    EXPECT_EQ(editor->Caret().index, c.caretIndex);
    for (const auto& p : box.Paragraphs())
        EXPECT_TRUE(p->Check());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DeleteKeys,
    ::testing::Values(
        KeyCase{"BackspaceInText", {"abc"}, 0, 2, true, {"ac"}, 0, 1},
        KeyCase{"DeleteInText", {"abc"}, 0, 1, false, {"ac"}, 0, 1},
        KeyCase{"BackspaceJoinsToPrevious", {"ab", "cd"}, 1, 0, true, {"abcd"}, 0, 2},
        KeyCase{"DeleteJoinsNext", {"ab", "cd"}, 0, 2, false, {"abcd"}, 0, 2},
        KeyCase{"BackspaceAtTextStartDoesNothing", {"ab", "cd"}, 0, 0, true, {"ab", "cd"}, 0, 0},
        KeyCase{"DeleteAtTextEndDoesNothing", {"ab", "cd"}, 1, 2, false, {"ab", "cd"}, 1, 2},
        KeyCase{"BackspaceJoinsEmptyParagraph", {"ab", ""}, 1, 0, true, {"ab"}, 0, 2},
        // Before a table: text is never joined to it; an empty paragraph goes.
        KeyCase{"DeleteBeforeTableJoinsNothing", {"ab", "#"}, 0, 2, false, {"ab", " "}, 0, 2},
        KeyCase{"DeleteEmptyBeforeTableRemovesIt", {"", "#", "z"}, 0, 0, false, {" ", "z"}, 0, 0},
        KeyCase{"BackspaceAfterTableJoinsNothing", {"#", "ab"}, 1, 0, true, {" ", "ab"}, 1, 0},
        KeyCase{"DeleteAtTableParagraphEndJoinsNothing", {"#", "ab"}, 0, 1, false, {" ", "ab"}, 0, 1}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(Fixture, ConsecutiveDeletionsShareOneUndoStep)
{
    Load({"abcdef", "gh"});
    editor->SetCaret(0, 4);
    editor->Backspace();
    editor->Backspace();
    editor->Delete();
    EXPECT_EQ(undo.Captions(), std::vector<std::string>{"Selection deletion"});
    EXPECT_TRUE(editor->DeletionRunOpen());
    Type("x"); // typing closes the deletion run
    editor->Backspace();
    EXPECT_EQ(undo.Captions(), (std::vector<std::string>{"Selection deletion", "Text insertion", "Selection deletion"}));
    EXPECT_EQ(Texts(), (std::vector<std::string>{"abf", "gh"}));
}

TEST_F(Fixture, DeletingAnObjectRecordsItsOwnStep)
{
    Load({"a b"});
    testing::PlaceObject(box.At(0), 1, 16, 20, 20, 7);
    std::vector<std::uint32_t> freed;
    editor->SetObjectFreed([&](const EmbeddedObject& o) { freed.push_back(o.number); });
    editor->SetCaret(0, 1);
    editor->Delete();
    EXPECT_EQ(box.At(0).Text(), "ab");
    EXPECT_TRUE(box.At(0).Objects().empty());
    EXPECT_EQ(freed, std::vector<std::uint32_t>{7});
    EXPECT_EQ(undo.Captions(), std::vector<std::string>{"Object deletion"});
    EXPECT_FALSE(editor->DeletionRunOpen());
}

TEST_F(Fixture, DeletingWithoutASelectionIsAnError)
{
    Load({"abc"});
    EXPECT_FALSE(editor->DeleteSelection());
    EXPECT_EQ(messages.Texts(), std::vector<std::string>{"SelectionMustExists"});
    EXPECT_EQ(messages.Messages()[0].kind, MessageKind::Error);
}

TEST_F(Fixture, SelectionAcrossParagraphsKeepsTheRightStyle)
{
    struct Case {
        int startIndex;
        std::string text;
        int styleId;
    } cases[] = {
        {0, "ghij", 2}, // from a paragraph's start: the later paragraph's style
        {2, "abghij", 0}, // from inside: the first paragraph's style
    };
    for (const Case& c : cases) {
        Load({"abcd", "ef", "xyghij", "tail"});
        box.At(2).Style().SetBase(StyleBase{&styles, quoteId});
        editor->Select(0, c.startIndex, 2, 2, SelectionOrigin::Mouse);
        EXPECT_TRUE(editor->DeleteSelection());
        EXPECT_EQ(Texts(), (std::vector<std::string>{c.text, "tail"}));
        EXPECT_EQ(box.At(0).Style().StyleId(), c.styleId);
        EXPECT_EQ(editor->Caret().index, c.startIndex);
        EXPECT_TRUE(box.At(0).Check());
        // The paragraph below moved up to follow.
        EXPECT_EQ(box.At(1).topY, box.At(0).bottomY + 1);
    }
}

TEST_F(Fixture, JoinedTextKeepsItsFonts)
{
    Load({"ab", "cd"});
    editor->Select(1, 0, 1, 2, SelectionOrigin::Mouse);
    editor->TextAttributes().ChangeStyle(kFontBold, 0); // the whole second paragraph bold
    editor->SetCaret(1, 0);
    editor->Backspace();
    EXPECT_EQ(Texts(), std::vector<std::string>{"abcd"});
    EXPECT_EQ(StyleBitsOf(0), (std::vector<int>{0, 0, 1, 1}));
}

TEST_F(Fixture, DeletingInsideARunKeepsTheFontOfTheTextAfter)
{
    Load({"abcdef"});
    editor->Select(0, 2, 0, 6, SelectionOrigin::Mouse);
    editor->TextAttributes().ChangeStyle(kFontBold, 0); // "ab[cdef]"
    editor->Select(0, 1, 0, 3, SelectionOrigin::Mouse);    // "a[bc]def"
    editor->DeleteSelection();
    EXPECT_EQ(box.At(0).Text(), "adef");
    EXPECT_EQ(StyleBitsOf(0), (std::vector<int>{0, 1, 1, 1}));
}

TEST_F(Fixture, ReplacingKeepsTheRecordsOfTheFirstCharacters)
{
    Load({"go aaaaaa go"});
    auto& recs = box.At(0).Records();
    for (int i = 3; i < 9; ++i)
        recs[static_cast<std::size_t>(i)].link = 0x00000005;
    editor->Select(0, 3, 0, 9, SelectionOrigin::Other);
    EXPECT_TRUE(editor->ReplaceSelection("bbbbb"));
    EXPECT_EQ(box.At(0).Text(), "go bbbbb go");
    for (int i = 3; i < 8; ++i)
        EXPECT_EQ(box.At(0).Records()[static_cast<std::size_t>(i)].link, 5) << i;
    EXPECT_EQ(box.At(0).Records()[8].link, -1);
    EXPECT_EQ(editor->SelectedText(), "bbbbb");
    EXPECT_EQ(undo.Captions(), std::vector<std::string>{"Replace selection with: bbbbb"});

    editor->Select(0, 0, 0, 2, SelectionOrigin::Other);
    EXPECT_TRUE(editor->ReplaceSelection("went"));
    EXPECT_EQ(box.At(0).Text(), "went bbbbb go");
    EXPECT_TRUE(box.At(0).Check());
}

TEST_F(Fixture, ReplacingAcrossParagraphsIsRefused)
{
    Load({"ab", "cd"});
    editor->Select(0, 1, 1, 1, SelectionOrigin::Other);
    EXPECT_FALSE(editor->ReplaceSelection("x"));
    EXPECT_EQ(Texts(), (std::vector<std::string>{"ab", "cd"}));
    ASSERT_EQ(messages.Messages().size(), 1u);
    EXPECT_EQ(messages.Messages()[0].kind, MessageKind::Information);
    EXPECT_EQ(messages.Messages()[0].text, kReplaceAcrossParagraphs);
}

} // namespace
} // namespace quor
