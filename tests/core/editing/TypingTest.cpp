// Typing, splitting and the undo steps they record.
#include "editing/EditorFixture.h"

namespace quor {
namespace {

using Fixture = testing::EditorFixture;

TEST_F(Fixture, TypedCharactersShareOneUndoStepUntilTheCaretMoves)
{
    Load({"held"});
    editor->SetCaret(0, 2);
    Type("ab");
    EXPECT_EQ(Texts(), std::vector<std::string>{"heabld"});
    EXPECT_EQ(editor->Caret().index, 4);
    editor->Move(NavKey::Right);
    Type("c");
    EXPECT_EQ(Texts(), std::vector<std::string>{"heablcd"});
    EXPECT_EQ(undo.Captions(), (std::vector<std::string>{"Text insertion", "Text insertion"}));
    EXPECT_TRUE(box.At(0).Check());
}

TEST_F(Fixture, ControlCharactersAreNotTyped)
{
    Load({"ab"});
    EXPECT_FALSE(editor->TypeChar('\t'));
    EXPECT_FALSE(editor->TypeChar('\n'));
    EXPECT_TRUE(editor->TypeChar(' '));
    EXPECT_EQ(Texts(), std::vector<std::string>{" ab"});
}

TEST_F(Fixture, TypingReLaysOutOnlyTheEditedParagraph)
{
    Load({"one", "two two two two", "three", "four"}, 100);
    const int fourthTop = box.At(3).topY;
    editor->SetCaret(1, 15);
    const auto before = box.LayoutCount();
    Type("xxxxx"); // the paragraph's last line grows into a third line
    EXPECT_EQ(box.LayoutCount(), before + 5);
    EXPECT_EQ(box.At(1).Lines().size(), 3u);
    EXPECT_EQ(box.At(3).topY, fourthTop + 16);
}

TEST_F(Fixture, TypingOverASelectionDeletesItFirst)
{
    Load({"hello world"});
    editor->Select(0, 0, 0, 5, SelectionOrigin::Mouse);
    Type("J");
    EXPECT_EQ(Texts(), std::vector<std::string>{"J world"});
    EXPECT_EQ(undo.Captions(), (std::vector<std::string>{"Selection deletion", "Text insertion"}));
}

TEST_F(Fixture, TypingAtTheEndOfALinkExtendsItButNotAtItsStart)
{
    Load({"a link b"});
    auto& recs = box.At(0).Records();
    for (int i = 2; i < 6; ++i)
        recs[static_cast<std::size_t>(i)].link = 0x6F000000;
    editor->SetCaret(0, 6);
    Type("s");
    editor->SetCaret(0, 2);
    Type("x");
    const auto& r = box.At(0).Records();
    EXPECT_EQ(box.At(0).Text(), "a xlinks b");
    EXPECT_EQ(r[2].link, -1);     // typed before the link
    EXPECT_EQ(r[7].link, 0x6F000000); // typed after its last character
}

TEST_F(Fixture, PendingBoldGoesOnWithTypingAndTheTextAfterKeepsItsFont)
{
    Load({"ac"});
    editor->SetCaret(0, 1);
    editor->TextAttributes().ChangeStyle(kFontBold, 0);
    EXPECT_TRUE(undo.steps.empty()); // without a selection nothing changes yet
    EXPECT_EQ(editor->TextAttributes().Style(), kFontBold);
    Type("bd");
    EXPECT_EQ(box.At(0).Text(), "abdc");
    EXPECT_EQ(StyleBitsOf(0), (std::vector<int>{0, 1, 1, 0}));
}

TEST_F(Fixture, PendingAttributesAddUpUntilACharacterIsTyped)
{
    Load({"ac"});
    editor->SetCaret(0, 1);
    editor->TextAttributes().ChangeStyle(kFontBold, 0);
    editor->TextAttributes().SetSize(20);
    Type("b");
    EXPECT_EQ(box.At(0).FontAt(1).style, kFontBold);
    EXPECT_EQ(box.At(0).FontAt(1).size, 20);
    EXPECT_EQ(box.At(0).FontAt(2).size, 12); // the text after keeps its font
    EXPECT_FALSE(editor->TextAttributes().HasPending());
}

TEST_F(Fixture, AutomaticQuotesOpenAfterSpacesAndCloseAfterLetters)
{
    Load({""});
    editor->SetAutoEngQuote(true);
    Type("\"a\" 'b'");
    EXPECT_EQ(box.At(0).Text(), "\x93" "a\x94 \x91" "b\x92");
}

TEST_F(Fixture, EnterSplitsAndTheNewParagraphContinuesTheStyle)
{
    Load({"first second"});
    box.At(0).Style().SetNumbering(6);
    box.At(0).Style().SetAlignment(2);
    editor->SetCaret(0, 6);
    EXPECT_TRUE(editor->SplitParagraph());
    EXPECT_EQ(Texts(), (std::vector<std::string>{"first ", "second"}));
    EXPECT_EQ(box.At(1).Style().Numbering(), 6);
    EXPECT_EQ(box.At(1).Style().Alignment(), 2);
    EXPECT_EQ(editor->Caret().paragraph, 1);
    EXPECT_EQ(editor->Caret().index, 0);
    EXPECT_EQ(box.At(1).topY, box.At(0).bottomY + 1);
    EXPECT_EQ(undo.Captions(), std::vector<std::string>{"Paragraph insertion"});
    EXPECT_TRUE(box.At(0).Check());
    EXPECT_TRUE(box.At(1).Check());
}

TEST_F(Fixture, SplitCarriesRunFontsAndTheTypingFont)
{
    Load({"abcd"});
    editor->Select(0, 1, 0, 3, SelectionOrigin::Mouse);
    editor->TextAttributes().ChangeStyle(kFontBold, 0); // "a[bc]d"
    editor->SetCaret(0, 2);
    editor->SplitParagraph(); // "ab" | "cd": the new paragraph starts in bold
    EXPECT_EQ(StyleBitsOf(0), (std::vector<int>{0, 1}));
    EXPECT_EQ(StyleBitsOf(1), (std::vector<int>{1, 0}));
    EXPECT_EQ(box.At(1).Style().Style(), kFontBold);
}

TEST_F(Fixture, TypingIntoATableParagraphSplitsItFirst)
{
    Load({"#", "after"});
    editor->SetCaret(0, 1);
    Type("x");
    ASSERT_EQ(box.Count(), 3);
    EXPECT_TRUE(box.At(0).IsTableParagraph());
    EXPECT_EQ(box.At(1).Text(), "x");
    editor->SetCaret(0, 0);
    editor->Move(NavKey::Right); // ends the typing run
    editor->SetCaret(0, 0);
    Type("y");
    ASSERT_EQ(box.Count(), 4);
    EXPECT_EQ(box.At(0).Text(), "y");
    EXPECT_TRUE(box.At(1).IsTableParagraph());
}

// A recorder that tries to edit while a change is being recorded.
class ReentrantRecorder : public IUndoRecorder {
public:
    TUVAboxEditor* editor = nullptr;
    bool refused = false;
    void Record(const UndoStep&, const TUVAboxModel&) override
    {
        if (editor && editor->Changing())
            refused = !editor->SplitParagraph();
    }
};

TEST_F(Fixture, ChangesStartedDuringAChangeAreRefused)
{
    Load({"abc"});
    ReentrantRecorder rec;
    TUVAboxEditor ed(box, &rec, nullptr);
    rec.editor = &ed;
    ed.SetCaret(0, 1);
    EXPECT_TRUE(ed.SplitParagraph());
    EXPECT_TRUE(rec.refused);
    EXPECT_EQ(Texts(), (std::vector<std::string>{"a", "bc"}));
}

} // namespace
} // namespace quor
