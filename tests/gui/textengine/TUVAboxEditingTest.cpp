// Editing through the widget: keys and mouse reach the core editor, and the
// paragraphs it holds afterwards are what was typed, deleted and formatted.
#include "textengine/BoxFixture.h"

#include "textengine/TUVAcursor.h"

#include "textengine/MarkupText.h"

#include <QKeyEvent>

#include <functional>

namespace quor::testing {
namespace {

class BoxEditing : public BoxFixture {};

TEST_F(BoxEditing, TypingDeletingAndSplittingChangeTheParagraphs)
{
    Load("<Z S0 >Hello world");
    Key(Qt::Key_End);
    Type("!!");
    EXPECT_EQ(Texts(), (std::vector<std::string>{"Hello world!!"}));
    Key(Qt::Key_Backspace);
    Key(Qt::Key_Left);
    Key(Qt::Key_Left);
    Key(Qt::Key_Delete); // the "d"
    EXPECT_EQ(Texts(), (std::vector<std::string>{"Hello worl!"}));
    Key(Qt::Key_Home);
    Key(Qt::Key_Right, Qt::ControlModifier); // word right: start of "worl!"
    Key(Qt::Key_Return);
    Type("Next ");
    EXPECT_EQ(Texts(), (std::vector<std::string>{"Hello ", "Next worl!"}));
    // Backspace at a paragraph start joins it to the previous one.
    Key(Qt::Key_Home);
    Key(Qt::Key_Backspace);
    EXPECT_EQ(Texts(), (std::vector<std::string>{"Hello Next worl!"}));
    EXPECT_EQ(box->Editor().Caret().index, 6);
    // Characters outside the document's code page are not typed; é is.
    QKeyEvent accented(QEvent::KeyPress, 0, Qt::NoModifier, QString::fromUtf8("é\u4e00N"));
    QApplication::sendEvent(box, &accented);
    EXPECT_EQ(box->Model().At(0).Text().substr(6, 2), std::string("\xE9N"));

    const std::vector<std::string> expected{"Text insertion", "Selection deletion", "Selection deletion",
                                            "Paragraph insertion", "Text insertion", "Selection deletion",
                                            "Text insertion"};
    EXPECT_EQ(undo.Captions(), expected);
}

TEST_F(BoxEditing, ShiftSelectionThenBoldAppliesToTheSelectedCharactersOnly)
{
    Load("<Z S0 >Hello world");
    Key(Qt::Key_Home);
    Key(Qt::Key_Right, Qt::ShiftModifier | Qt::ControlModifier);
    EXPECT_EQ(box->Editor().SelectedText(), "Hello ");
    box->ChangeStyleBits(kFontBold, 0);
    const TUVAparag& par = box->Model().At(0);
    for (int i = 0; i < par.Length(); ++i)
        EXPECT_EQ(par.FontAt(i).style & kFontBold, i < 6 ? kFontBold : 0) << i;
    // Typing over the selection replaces it with the typed text.
    Type("X");
    EXPECT_EQ(Texts(), (std::vector<std::string>{"Xworld"}));
    // At the paragraph start the typing font is the paragraph's: not bold.
    EXPECT_EQ(box->Model().At(0).FontAt(0).style & kFontBold, 0);
    // The stored markup says the same.
    EXPECT_EQ(MarkupText::PlainText(box->SaveText()), "Xworld");
}

TEST_F(BoxEditing, ShiftMovesExtendTheKeyboardSelectionFromItsAnchor)
{
    Load("<Z S0 >one two");
    box->Editor().SetCaret(0, 4);
    Key(Qt::Key_Home, Qt::ShiftModifier);
    EXPECT_EQ(box->Editor().SelectedText(), "one ");
    Key(Qt::Key_End, Qt::ShiftModifier); // the active end moves, the anchor stays
    EXPECT_EQ(box->Editor().Anchor().index, 4);
    EXPECT_EQ(box->Editor().SelectedText(), "two");
    Key(Qt::Key_Home, Qt::ShiftModifier);
    Key(Qt::Key_Home, Qt::ShiftModifier);
    // Without Shift a shown selection only collapses.
    Key(Qt::Key_Right);
    EXPECT_FALSE(box->Editor().HasSelection());
    EXPECT_EQ(box->Editor().Caret().index, 4);
}

struct DragCase {
    const char* name;
    int from;
    int to;
    const char* selected;
};

class BoxMouseSelection : public BoxFixture, public ::testing::WithParamInterface<DragCase> {};

TEST_P(BoxMouseSelection, DragSelectsFromThePressedCharacter)
{
    Load("<Z S0 >Hello wide world");
    const auto& c = GetParam();
    const int before = host.selectionReports;
    Press(box, CharPoint(0, c.from));
    Move(box, CharPoint(0, c.from) + QPoint(2, 0)); // within 4 pixels: still a click
    EXPECT_FALSE(box->Editor().HasSelection());
    Move(box, CharPoint(0, c.to));
    Release(box, CharPoint(0, c.to));
    EXPECT_EQ(box->Editor().SelectedText(), c.selected) << c.name;
    EXPECT_EQ(host.selectionReports - before, 2); // selecting starts, and the release
}

// Dragging right leaves the pressed character out; the caret stands before
// the character under the pointer.
INSTANTIATE_TEST_SUITE_P(Directions, BoxMouseSelection,
                         ::testing::Values(DragCase{"right", 0, 6, "ello "}, DragCase{"left", 14, 6, "wide wor"}));

TEST_F(BoxEditing, ClickPutsTheCaretAndClearsTheSelection)
{
    Load("<Z S0 >Hello world");
    box->Editor().SelectAll();
    Press(box, CharPoint(0, 8));
    Release(box, CharPoint(0, 8));
    // A press inside the selection arms a drag; released without moving it is a click.
    EXPECT_FALSE(box->Editor().HasSelection());
    EXPECT_EQ(box->Editor().Caret().index, 8);
}

struct WordCase {
    const char* text;
    int click;
    const char* word;
};

class BoxDoubleClick : public BoxFixture, public ::testing::WithParamInterface<WordCase> {};

TEST_P(BoxDoubleClick, SelectsTheWordUnderThePointer)
{
    const auto& c = GetParam();
    Load(std::string("<Z S0 >") + c.text);
    const QPoint p = CharPoint(0, c.click);
    Press(box, p);
    Release(box, p);
    DoubleClick(box, p);
    Release(box, p);
    EXPECT_EQ(box->Editor().SelectedText(), c.word);
    EXPECT_EQ(box->Editor().Caret().index, box->Editor().SelectionStart().index); // caret at the start
}

INSTANTIATE_TEST_SUITE_P(Words, BoxDoubleClick,
                         ::testing::Values(WordCase{"Hello, world", 1, "Hello"},     // ", " stays out
                                           WordCase{"say  hello there", 6, "hello "}, // spaces come along
                                           WordCase{"say  hello there", 5, "hello "},
                                           WordCase{"x a_b#c y", 3, "a_b#c "}));

TEST_F(BoxEditing, ReportsFollowTheTypingRun)
{
    Load("<Z S0 >abc");
    EXPECT_GE(host.rulerReports, 1);
    const int start = host.selectionReports;
    Type("xyz"); // one report for the whole run
    EXPECT_EQ(host.selectionReports - start, 1);
    Key(Qt::Key_Left);
    EXPECT_EQ(host.selectionReports - start, 2);
    Type("q"); // the move ended the run: a new one reports again
    EXPECT_EQ(host.selectionReports - start, 3);
    Key(Qt::Key_Up); // leaving the box: the host is told the exit code instead
    EXPECT_EQ(host.exits, (std::vector<int>{3}));
}

// Each event is reported to the host once, whether the editor, the mouse
// logic or the widget sees it first.
TEST_F(BoxEditing, EachChangeIsReportedOnce)
{
    Load("<Z S0 >one two");
    struct Step {
        const char* name;
        std::function<void()> act;
        int reports;
    };
    const QPoint word = CharPoint(0, 5);
    const Step steps[] = {
        {"click", [&] { Press(box, CharPoint(0, 1)); Release(box, CharPoint(0, 1)); }, 1},
        {"enter", [&] { Key(Qt::Key_Return); }, 1},
        {"backspace opens a run", [&] { Key(Qt::Key_Backspace); }, 1},
        {"navigation", [&] { Key(Qt::Key_End); }, 1},
        {"delete at the end does nothing", [&] { Key(Qt::Key_Delete); }, 0},
        {"double click", [&] { Press(box, word); Release(box, word); DoubleClick(box, word); Release(box, word); }, 2},
        {"cut", [&] { Key(Qt::Key_Delete, Qt::ShiftModifier); }, 1},
    };
    for (const Step& s : steps) {
        const int before = host.selectionReports;
        s.act();
        EXPECT_EQ(host.selectionReports - before, s.reports) << s.name;
    }
    EXPECT_EQ(Texts(), (std::vector<std::string>{"one "}));
    // Loading reports the selection and the ruler once each.
    const int selection = host.selectionReports;
    const int ruler = host.rulerReports;
    box->LoadText("", &styles);
    EXPECT_EQ(host.selectionReports - selection, 1);
    EXPECT_EQ(host.rulerReports - ruler, 1);
    EXPECT_EQ(box->Model().Count(), 1); // an empty text still has a paragraph
}

TEST_F(BoxEditing, AutoQuotesFollowTheHost)
{
    host.autoQuote = true;
    Load("<Z S0 >");
    Type("\"a\" \"");
    EXPECT_EQ(Texts(), (std::vector<std::string>{"\x93" "a\x94 \x93"}));
}

TEST_F(BoxEditing, ReadOnlyBoxFollowsLinksAndIgnoresTyping)
{
    Load("<Z S0 >go <$00000007>there<%> now");
    box->SetReadOnly(true);
    Type("zz");
    Key(Qt::Key_Backspace);
    EXPECT_EQ(Texts(), (std::vector<std::string>{"go there now"}));
    Press(box, CharPoint(0, 4));
    Release(box, CharPoint(0, 4));
    EXPECT_TRUE(host.links.empty()); // posted: never inside the mouse event
    QApplication::processEvents();
    EXPECT_EQ(host.links, (std::vector<int>{7}));
    EXPECT_EQ(host.clicks, 1);
}

TEST_F(BoxEditing, KeysAndMouseAreIgnoredDuringABoxUpdate)
{
    Load("<Z S0 >abc");
    box->BeginUpdate();
    Type("x");
    Press(box, CharPoint(0, 1));
    Release(box, CharPoint(0, 1));
    box->EndUpdate();
    EXPECT_EQ(Texts(), (std::vector<std::string>{"abc"}));
    EXPECT_EQ(box->Editor().Caret().index, 0);
}

TEST_F(BoxEditing, LinkAtTheParagraphEndIsThatOfTheLastCharacter)
{
    Load("<Z S0 >a <$00000003>link<%><Z S0 >");
    EXPECT_EQ(box->LinkAt(box->Model().CaretAt(0, 6)), 3);
    EXPECT_EQ(box->LinkAt(box->Model().CaretAt(0, 0)), -1);
    EXPECT_EQ(box->LinkAt(box->Model().CaretAt(1, 0)), -1); // empty paragraph
    // Typing at the end of a link extends it.
    box->Editor().SetCaret(0, 6);
    Type("s");
    EXPECT_EQ(box->Model().At(0).Records()[6].link, 3);
}

} // namespace
} // namespace quor::testing

namespace quor::testing {
namespace {

TEST_F(BoxEditing, HeaderTextIsShadedAndNeverTakesTheCaret)
{
    window.resize(420, 300);
    box = new TUVAbox(&window);
    box->SetHost(&host);
    box->SetTextWidth(400);
    box->LoadText("<Z S0 >own text", &styles, "<Z S0 >shared header");
    window.show();
    box->setFocus();
    ASSERT_EQ(box->Model().HeaderCount(), 1);
    EXPECT_EQ(box->Editor().Caret().paragraph, 1);
    box->Editor().SetCaret(1, 3);
    const TCaretPos h = box->Model().CaretAt(0, 2);
    Press(box, {h.x + 2, h.y + h.height / 2});
    Release(box, {h.x + 2, h.y + h.height / 2});
    EXPECT_EQ(box->Editor().Caret().paragraph, 1);
    EXPECT_EQ(box->Editor().Caret().index, 3);
    Key(Qt::Key_Up); // moves never enter the header: the caret leaves the box instead
    EXPECT_EQ(box->Editor().Caret().paragraph, 1);
    EXPECT_EQ(host.exits, (std::vector<int>{3}));
    // The header band is hatched: not all of it is the background colour.
    const QImage img = box->grab().toImage();
    const TUVAparag& header = box->Model().At(0);
    int other = 0;
    for (int x = 300; x < 380; ++x)
        other += img.pixelColor(x, header.topY + 2) != QColor(0xC0, 0xC0, 0xC0);
    EXPECT_GT(other, 5);
}

} // namespace
} // namespace quor::testing
