// Formatted insertion: markup of one or more paragraphs inserted at the caret
// (drops and pastes) splits the caret's paragraph around it, keeps fonts,
// links and paragraph attributes, records its step first and loses no text.
#include "editing/EditorFixture.h"

#include "textengine/MarkupReader.h"
#include "textengine/MarkupWriter.h"

namespace quor {
namespace {

// Records each step with the texts the box held when it was recorded.
struct TextsAtRecord : IUndoRecorder {
    void Record(const UndoStep& step, const TUVAboxModel& box) override
    {
        std::vector<std::string> texts;
        for (const auto& p : box.Paragraphs())
            texts.push_back(p->Text());
        seen.emplace_back(step.caption, std::move(texts));
    }
    std::vector<std::pair<std::string, std::vector<std::string>>> seen;
};

class MarkupInsertionFixture : public testing::EditorFixture {
protected:
    // Loads the box from markup (so that it can hold runs, links and styles).
    void LoadMarkup(std::string_view markup, int width = 400)
    {
        MarkupReadOptions opts;
        opts.styles = &styles;
        opts.metrics = &metrics;
        box.SetTextWidth(width);
        box.SetParagraphs(MarkupReader::ReadAll(markup, opts));
        editor = std::make_unique<TUVAboxEditor>(box, &undo, &messages);
    }
    std::string Saved() const { return MarkupWriter::SaveBoxText(box.Paragraphs()); }
    std::pair<int, int> CaretAt() const { return {editor->Caret().paragraph, editor->Caret().index}; }
};

struct InsertCase {
    const char* name;
    std::vector<std::string> texts; // "#" is a paragraph holding a table
    int para;
    int index;
    const char* markup;
    std::vector<std::string> expected; // " " is the table's paragraph
    int caretPara;
    int caretIndex;
};

class InsertAtCaret : public MarkupInsertionFixture, public ::testing::WithParamInterface<InsertCase> {};

TEST_P(InsertAtCaret, SplitsTheCaretParagraphAroundTheInsertedOnes)
{
    const InsertCase& c = GetParam();
    Load(c.texts, 400);
    editor->SetCaret(c.para, c.index);
    ASSERT_TRUE(editor->InsertMarkup(c.markup, kDropInsertion)) << c.name;
    EXPECT_EQ(Texts(), c.expected) << c.name;
    EXPECT_EQ(CaretAt(), std::make_pair(c.caretPara, c.caretIndex)) << c.name;
    EXPECT_FALSE(editor->HasSelection());
    EXPECT_EQ(undo.Captions(), std::vector<std::string>{"Drop insertion"}) << c.name;
    // Layout follows: paragraphs stand one below the other.
    for (int p = 1; p < box.Count(); ++p)
        EXPECT_GT(box.At(p).topY, box.At(p - 1).topY) << c.name << " paragraph " << p;
    for (int p = 0; p < box.Count(); ++p)
        EXPECT_TRUE(box.At(p).Check()) << c.name;
}

INSTANTIATE_TEST_SUITE_P(
    Places, InsertAtCaret,
    ::testing::Values(
        InsertCase{"one paragraph, middle", {"Hello world"}, 0, 6, "<Z S0 >big ", {"Hello big world"}, 0, 10},
        InsertCase{"one paragraph, start", {"Hello world"}, 0, 0, "<Z S0 >big ", {"big Hello world"}, 0, 4},
        InsertCase{"one paragraph, end", {"Hello world"}, 0, 11, "<Z S0 > again", {"Hello world again"}, 0, 17},
        InsertCase{"three paragraphs, middle", {"Hello world", "next"}, 0, 6, "<Z S0 >one<Z S0 >two<Z S0 >three ",
                   {"Hello one", "two", "three world", "next"}, 2, 6},
        InsertCase{"two paragraphs, start", {"Hello"}, 0, 0, "<Z S0 >A<Z S0 >B", {"A", "BHello"}, 1, 1},
        InsertCase{"a paragraph break, end", {"Hello"}, 0, 5, "<Z S0 >X<Z S0 >", {"HelloX", ""}, 1, 0},
        InsertCase{"empty paragraph", {""}, 0, 0, "<Z S0 >a<Z S0 >b", {"a", "b"}, 1, 1},
        InsertCase{"before a table", {"ab", "#"}, 1, 0, "<Z S0 >xy", {"ab", "xy", " "}, 1, 2},
        InsertCase{"after a table", {"ab", "#"}, 1, 1, "<Z S0 >xy", {"ab", " ", "xy"}, 2, 2},
        InsertCase{"empty last line before a table", {"ab", "#"}, 1, 0, "<Z S0 >xy<Z S0 >", {"ab", "xy", " "}, 1, 2}));

TEST_F(MarkupInsertionFixture, KeepsRunFontsLinksAndParagraphAttributes)
{
    LoadMarkup("<Z S0 >plain text");
    editor->SetCaret(0, 6);
    const std::string markup = "<Z S0 >x<Y y1 >bold<Y y0 ><$00000005>link<%><Z S" + std::to_string(quoteId) +
                               " A2 >quoted ";
    ASSERT_TRUE(editor->InsertMarkup(markup, kClipboardInsertion));
    ASSERT_EQ(Texts(), (std::vector<std::string>{"plain xboldlink", "quoted text"}));

    const TUVAparag& first = box.At(0);
    for (int i = 0; i < first.Length(); ++i) {
        const bool bold = i >= 7 && i < 11;
        const bool link = i >= 11;
        EXPECT_EQ(first.FontAt(i).style & kFontBold, bold ? kFontBold : 0) << i;
        EXPECT_EQ(first.Records()[static_cast<std::size_t>(i)].link, link ? 5 : -1) << i;
    }
    // The last inserted paragraph keeps its style and alignment; the text
    // after the caret joins it with the font it had.
    const TUVAparag& second = box.At(1);
    EXPECT_EQ(second.Style().Base().id, quoteId);
    EXPECT_EQ(second.Style().Alignment(), 2);
    const int plainSize = styles.Get(0).fontSize;
    ASSERT_NE(plainSize, styles.Get(quoteId).fontSize);
    EXPECT_EQ(second.FontAt(0).size, styles.Get(quoteId).fontSize);
    for (int i = 7; i < second.Length(); ++i)
        EXPECT_EQ(second.FontAt(i).size, plainSize) << i;
    EXPECT_EQ(second.Records()[7].link, -1);
    EXPECT_EQ(undo.Captions(), std::vector<std::string>{"Clipboard insertion"});
}

TEST_F(MarkupInsertionFixture, AnEmptyCaretParagraphTakesTheStyleOfTheInsertedText)
{
    Load({"", "tail"});
    const std::string quoted = "<Z S" + std::to_string(quoteId) + " >q";
    ASSERT_TRUE(editor->InsertMarkup(quoted, kDropInsertion));
    EXPECT_EQ(box.At(0).Style().Base().id, quoteId);
    // A paragraph that holds text keeps its own style.
    editor->SetCaret(1, 2);
    ASSERT_TRUE(editor->InsertMarkup(quoted, kDropInsertion));
    EXPECT_EQ(Texts(), (std::vector<std::string>{"q", "taqil"}));
    EXPECT_EQ(box.At(1).Style().Base().id, 0);
}

TEST_F(MarkupInsertionFixture, ReplacesASelectionAcrossParagraphsRecordingEachStepFirst)
{
    TextsAtRecord recorder;
    Load({"one two", "three", "four five"});
    editor = std::make_unique<TUVAboxEditor>(box, &recorder, &messages);
    editor->Select(0, 4, 2, 4);
    ASSERT_TRUE(editor->InsertMarkup("<Z S0 >X", kDropInsertion));
    EXPECT_EQ(Texts(), (std::vector<std::string>{"one X five"}));
    ASSERT_EQ(recorder.seen.size(), 2u);
    EXPECT_EQ(recorder.seen[0].first, "Selection deletion");
    EXPECT_EQ(recorder.seen[0].second, (std::vector<std::string>{"one two", "three", "four five"}));
    EXPECT_EQ(recorder.seen[1].first, "Drop insertion");
    EXPECT_EQ(recorder.seen[1].second, (std::vector<std::string>{"one  five"}));
}

TEST_F(MarkupInsertionFixture, MarkupWithoutParagraphsChangesNothing)
{
    Load({"abc"});
    editor->Select(0, 0, 0, 2);
    EXPECT_FALSE(editor->InsertMarkup("", kDropInsertion));
    EXPECT_FALSE(editor->InsertMarkup("no header at all", kDropInsertion));
    EXPECT_EQ(Texts(), (std::vector<std::string>{"abc"}));
    EXPECT_TRUE(editor->HasSelection()); // the selection was not deleted either
    EXPECT_TRUE(undo.Captions().empty());
}

struct Range {
    int fromPara;
    int fromIndex;
    int toPara;
    int toIndex;
};

class SelectionRoundTrip : public MarkupInsertionFixture, public ::testing::WithParamInterface<Range> {};

// What a selection writes and an insertion reads back is the same text with
// the same font and link on every character, and the same paragraph styles.
TEST_P(SelectionRoundTrip, InsertingTheSelectedMarkupReproducesTheSelection)
{
    const Range r = GetParam();
    const std::string source = "<Z S0 >ab<Y y1 c0000FF >cd<$00000003>ef<%>gh<Z S" + std::to_string(quoteId) +
                               " A1 >&lt;q&amp;<Y s20 >big<Z S0 y2 >it<Y y3 >ali<$6f000001>cs<%>";
    LoadMarkup(source);
    editor->Select(r.fromPara, r.fromIndex, r.toPara, r.toIndex);
    int count = 0;
    const std::string markup = editor->SelectedMarkup(&count);
    EXPECT_EQ(count, r.toPara - r.fromPara + 1);

    TUVAboxModel target{metrics};
    ParagraphList empty;
    empty.push_back(testing::MakeParagraph(styles, "", metrics));
    target.SetTextWidth(400);
    target.SetParagraphs(std::move(empty));
    TUVAboxEditor targetEditor(target);
    ASSERT_TRUE(targetEditor.InsertMarkup(markup, kDropInsertion));
    ASSERT_EQ(target.Count(), count);

    for (int k = 0; k < count; ++k) {
        const TUVAparag& from = box.At(r.fromPara + k);
        const TUVAparag& to = target.At(k);
        const int start = k == 0 ? r.fromIndex : 0;
        const int end = k == count - 1 ? r.toIndex : from.Length();
        ASSERT_EQ(to.Text(), from.Text().substr(static_cast<std::size_t>(start), static_cast<std::size_t>(end - start)))
            << "paragraph " << k;
        EXPECT_EQ(to.Style().Base().id, from.Style().Base().id) << "paragraph " << k;
        EXPECT_EQ(to.Style().Alignment(), from.Style().Alignment()) << "paragraph " << k;
        for (int i = start; i < end; ++i) {
            const TMyFont a = from.FontAt(i);
            const TMyFont b = to.FontAt(i - start);
            EXPECT_EQ(b.style, a.style) << k << ":" << i;
            EXPECT_EQ(b.size, a.size) << k << ":" << i;
            EXPECT_EQ(b.colour, a.colour) << k << ":" << i;
            EXPECT_EQ(to.Records()[static_cast<std::size_t>(i - start)].link,
                      from.Records()[static_cast<std::size_t>(i)].link)
                << k << ":" << i;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Selections, SelectionRoundTrip,
                         ::testing::Values(Range{0, 0, 0, 8},   // one whole paragraph's text
                                           Range{0, 3, 0, 5},   // from inside a run into a link
                                           Range{0, 5, 2, 4},   // across a styled paragraph
                                           Range{1, 0, 2, 7},   // a styled paragraph first
                                           Range{0, 8, 1, 0})); // just the paragraph break

} // namespace
} // namespace quor
