// Inserting embedded objects at the caret, applying links to a selection, and
// the style helpers of the attribute objects (style from a paragraph, font
// into a style, comparing with a style, the form-start check).
#include "editing/EditorFixture.h"

#include "model/ObjectKind.h"
#include "model/Units.h"

#include <functional>

namespace quor {
namespace {

using Fixture = testing::EditorFixture;

constexpr int kPicture = kObjectKindPicturePlacement;

TEST_F(Fixture, APictureGoesInAtTheCaretWithTheLinkBeforeIt)
{
    Load({"abcd"});
    box.At(0).Records()[1].link = 7;
    editor->SetCaret(0, 2);
    const auto placed = editor->InsertObject(EmbeddedObject{nullptr, 42, kPicture}, 30, 20);
    ASSERT_TRUE(placed.has_value());
    EXPECT_EQ(placed->paragraph, 0);
    EXPECT_EQ(placed->index, 2);
    const TUVAparag& p = box.At(0);
    EXPECT_EQ(p.Text(), "ab cd");
    ASSERT_NE(p.ObjectAt(2), nullptr);
    EXPECT_EQ(p.ObjectAt(2)->number, 42u);
    EXPECT_EQ(p.Records()[2].link, 7);
    EXPECT_EQ(p.Records()[2].runFont, -1);
    EXPECT_EQ(p.Lines()[0].usedWidth, 4 * 10 + 30);
    EXPECT_EQ(p.Lines()[0].height, 12 + 10); // centred on the baseline: half of its 20 px hang below
    EXPECT_TRUE(p.Check());
    EXPECT_EQ(editor->Caret().index, 3);
    EXPECT_EQ(undo.Captions(), std::vector<std::string>{"Object insertion"});
}

TEST_F(Fixture, AnObjectReplacesTheSelection)
{
    Load({"abcd"});
    editor->Select(0, 1, 0, 3, SelectionOrigin::Mouse);
    ASSERT_TRUE(editor->InsertObject(EmbeddedObject{nullptr, 1, kPicture}, 10, 10));
    EXPECT_EQ(Texts(), std::vector<std::string>{"a d"});
    EXPECT_EQ(undo.Captions(), (std::vector<std::string>{"Selection deletion", "Object insertion"}));
}

struct TableCase {
    const char* name;
    std::vector<std::string> before;
    int para, index;
    std::vector<std::string> after;
    int tablePara;
};

class TableInsertion : public Fixture, public ::testing::WithParamInterface<TableCase> {};

TEST_P(TableInsertion, GetsAParagraphOfItsOwn)
{
    const TableCase& c = GetParam();
    Load(c.before);
    editor->SetCaret(c.para, c.index);
    ASSERT_TRUE(editor->InsertObject(EmbeddedObject{nullptr, 3, kObjectKindTable}, 100, 40));
    EXPECT_EQ(Texts(), c.after);
    EXPECT_TRUE(box.At(c.tablePara).IsTableParagraph());
    EXPECT_EQ(editor->Caret().paragraph, c.tablePara);
    EXPECT_EQ(editor->Caret().index, 1);
    for (int p = 1; p < box.Count(); ++p)
        EXPECT_EQ(box.At(p).topY, box.At(p - 1).bottomY + 1);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, TableInsertion,
    ::testing::Values(TableCase{"InsideText", {"abcd", "z"}, 0, 2, {"ab", " ", "cd", "z"}, 1},
                      TableCase{"AtTheStart", {"abcd"}, 0, 0, {" ", "abcd"}, 0},
                      TableCase{"AtTheEnd", {"abcd"}, 0, 4, {"abcd", " "}, 1},
                      TableCase{"EmptyParagraph", {"a", "", "b"}, 1, 0, {"a", " ", "b"}, 1}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(Fixture, AnObjectNeverJoinsATablesParagraph)
{
    for (int index : {0, 1}) {
        Load({"#", "x"});
        editor->SetCaret(0, index);
        ASSERT_TRUE(editor->InsertObject(EmbeddedObject{nullptr, 9, kPicture}, 10, 10));
        const int table = index == 0 ? 1 : 0;
        const int picture = 1 - table;
        EXPECT_EQ(Texts(), (std::vector<std::string>{" ", " ", "x"}));
        EXPECT_TRUE(box.At(table).IsTableParagraph());
        ASSERT_NE(box.At(picture).ObjectAt(0), nullptr);
        EXPECT_EQ(box.At(picture).ObjectAt(0)->kind, kPicture);
    }
}

TEST_F(Fixture, ALinkCoversTheSelectionAndCarriesOverParagraphBreaks)
{
    Load({"abc", "def", "ghi"});
    editor->Select(0, 1, 2, 2, SelectionOrigin::Mouse);
    ASSERT_TRUE(editor->TextAttributes().SetLink(0x6F000002));
    auto links = [&](int p) {
        std::vector<int> out;
        for (const TCharRec& r : box.At(p).Records())
            out.push_back(r.link);
        return out;
    };
    const int L = 0x6F000002;
    EXPECT_EQ(links(0), (std::vector<int>{-1, L, L, L})); // the end record too: the link goes on
    EXPECT_EQ(links(1), (std::vector<int>{L, L, L, L}));
    EXPECT_EQ(links(2), (std::vector<int>{L, L, -1, -1}));
    EXPECT_EQ(undo.Captions(), std::vector<std::string>{"Insert link "});
    EXPECT_EQ(editor->TextAttributes().LinkValue(), L); // at the selection start
    editor->SetCaret(0, 1);
    EXPECT_EQ(editor->TextAttributes().LinkValue(), -1); // before the caret
    editor->SetCaret(1, 1);
    EXPECT_EQ(editor->TextAttributes().LinkValue(), L);

    editor->Select(1, 0, 1, 3, SelectionOrigin::Mouse);
    editor->TextAttributes().SetLink(-1);
    EXPECT_EQ(links(1), (std::vector<int>{-1, -1, -1, L}));
}

TEST_F(Fixture, ALinkNeedsASelection)
{
    Load({"abc"});
    EXPECT_FALSE(editor->TextAttributes().SetLink(5));
    ASSERT_EQ(messages.Messages().size(), 1u);
    EXPECT_EQ(messages.Messages()[0].kind, MessageKind::Warning);
    EXPECT_EQ(messages.Messages()[0].text, "Selection must exists!");
    EXPECT_TRUE(undo.steps.empty());
}

TEST_F(Fixture, DiffersFromStyleLooksAtTheFontAndTheParagraphOverrides)
{
    struct Case {
        const char* name;
        std::function<void()> setUp;
        const char* style;
        bool differs;
    } cases[] = {
        {"plain text", [] {}, "[no style]", false},
        {"another style", [] {}, "Quote", true},
        {"unknown style", [] {}, "none such", true},
        {"pending bold", [this] { editor->TextAttributes().ChangeStyle(kFontBold, 0); }, "[no style]", true},
        {"paragraph override", [this] { editor->ParaAttributes().SetAlignment(2); }, "[no style]", true},
        {"after a bold run",
         [this] {
             editor->Select(0, 0, 0, 2, SelectionOrigin::Mouse);
             editor->TextAttributes().ChangeStyle(kFontBold, 0);
             editor->SetCaret(0, 2);
         },
         "[no style]", true},
        {"selection starting in plain text",
         [this] {
             editor->Select(0, 2, 0, 4, SelectionOrigin::Mouse);
             editor->TextAttributes().ChangeStyle(kFontBold, 0);
             editor->Select(0, 0, 0, 3, SelectionOrigin::Mouse);
         },
         "[no style]", false},
    };
    for (const Case& c : cases) {
        Load({"abcd"});
        editor->SetCaret(0, 1);
        c.setUp();
        EXPECT_EQ(editor->TextAttributes().DiffersFromStyle(c.style), c.differs) << c.name;
    }
}

TEST_F(Fixture, CopyFontToStyleWritesTheEffectiveFont)
{
    Load({"abcd"});
    ParagraphStyle quote = styles.Get(quoteId);
    quote.position = kPositionSuperscript;
    styles.Set(quoteId, quote);
    editor->SetCaret(0, 2);
    TUVATextAttributes& text = editor->TextAttributes();
    text.SetSize(20); // no selection: pending
    text.SetColour(0x0000FF);
    text.ChangeStyle(kFontItalic, 0);
    text.SetFontName(std::string(40, 'N'));
    text.CopyFontToStyle(styles.MutableRecord(quoteId));
    const ParagraphStyle got = styles.Get(quoteId);
    EXPECT_EQ(got.fontName, std::string(32, 'N'));
    EXPECT_EQ(got.fontSize, 20);
    EXPECT_EQ(got.colour, 0x0000FF);
    EXPECT_EQ(got.styleBits, kFontItalic);
    EXPECT_EQ(got.position, kPositionNormal);
    EXPECT_EQ(got.name, "Quote");     // nothing else changes
    EXPECT_EQ(got.leftIndent, 30);
    text.CopyFontToStyle(std::span<std::uint8_t>{}); // too short a record is left alone
}

TEST_F(Fixture, MakeStyleFromParagraphTakesItsEffectiveMeasuresInPixels)
{
    SetScreenPixelsPerInch(96);
    ParagraphStyle base = styles.Get(0);
    base.position = kPositionSuperscript;
    styles.Set(0, base);
    Load({"abcd"});
    TUVAParaStyle& s = box.At(0).Style();
    s.SetUnit(kUnitMillimetres);
    s.SetMeasureInUnit(ParaMeasure::LeftIndent, 5.3f);
    s.SetSpaceAbove(7);
    s.SetAlignment(2);
    s.SetNumbering(10);
    s.SetLinkColour(0x00FF00);
    s.SetPosition(kPositionSubscript);
    const std::vector<std::uint8_t> image = editor->ParaAttributes().MakeStyleFromParagraph();
    ASSERT_EQ(image.size(), kRecordImageSize);
    const ParagraphStyle got = ParagraphStyle::Decode(image);
    ParagraphStyle want = styles.Get(0); // a copy of the paragraph's style...
    want.unit = kUnitMillimetres;         // ...with the paragraph's own values
    want.leftIndent = static_cast<std::int16_t>(UnitToPixels(5.3f, kUnitMillimetres, 96));
    want.spaceAbove = 7;
    want.alignment = 2;
    want.numbering = 10;
    want.linkColour = 0x00FF00;
    want.position = kPositionNormal;
    EXPECT_EQ(got, want);
}

TEST_F(Fixture, FormStartMissingUnlessOneStandsBeforeTheSelection)
{
    struct Case {
        int para, index;
        bool missing;
    } cases[] = {{0, 1, true}, {0, 2, true}, {0, 3, false}, {1, 0, false}};
    for (const Case& c : cases) {
        Load({"ab cd", "ef"});
        testing::PlaceObject(box.At(0), 2, 23, 10, 10);
        editor->SetCaret(c.para, c.index);
        EXPECT_EQ(editor->TextAttributes().FormStartMissing(), c.missing) << c.para << "/" << c.index;
    }
    Load({"ab cd", "ef"});
    testing::PlaceObject(box.At(0), 2, kPicture, 10, 10);
    editor->SetCaret(1, 1);
    EXPECT_TRUE(editor->TextAttributes().FormStartMissing());
}

} // namespace
} // namespace quor
