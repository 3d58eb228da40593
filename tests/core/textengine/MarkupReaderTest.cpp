// Reading markup: header attributes, value syntax, run tags, links, objects,
// tables, skipped blocks, measuring and damaged input.
#include "MarkupFixture.h"

#include "model/Units.h"

namespace quor::test {
namespace {

using Reader = MarkupTest;

TEST_F(Reader, HeaderAttributesInOrderBecomeOverrides)
{
    const auto par = ReadOne("<Z S2 c0000FF F\"Courier New\" s14 y3 p1 P5 A2 N6 M3 L20 I-5 l30 r40 t1 b2 "
                             "C00FF00 S9 Y1 >x");
    const TUVAParaStyle& st = par->Style();
    EXPECT_EQ(st.StyleId(), m_headingId);
    EXPECT_EQ(st.Colour(), 0xFF0000); // RRGGBB 0000FF is blue, 0x00BBGGRR
    EXPECT_EQ(st.Name(), "Courier New");
    EXPECT_EQ(st.Size(), 14);
    EXPECT_EQ(st.Style(), 3);
    EXPECT_EQ(st.Position(), 1);
    EXPECT_EQ(st.Reserved(), 5);
    EXPECT_EQ(st.Alignment(), 2);
    EXPECT_EQ(st.Numbering(), 6);
    EXPECT_EQ(st.Unit(), 3);
    EXPECT_EQ(st.LineHeight(), 20);
    EXPECT_EQ(st.FirstIndent(), -5);
    EXPECT_EQ(st.LeftIndent(), 30);
    EXPECT_EQ(st.RightIndent(), 40);
    EXPECT_EQ(st.SpaceAbove(), 1);
    EXPECT_EQ(st.SpaceBelow(), 2);
    EXPECT_EQ(st.LinkColour(), 0x00FF00);
    EXPECT_EQ(st.LinkSize(), 9);
    EXPECT_EQ(st.LinkStyle(), 1);
    EXPECT_EQ(par->Text(), "x");
    EXPECT_TRUE(m_messages.Messages().empty());
}

TEST_F(Reader, HeaderValuesEqualToTheStyleLeaveNoOverride)
{
    const auto par = ReadOne("<Z S2 F\"Arial\" s16 y1 l10 >x");
    EXPECT_FALSE(par->Style().AnyOverride());
}

struct AttrCase {
    std::string_view header;
    int size;       // effective size
    int leftIndent; // effective left indent
    std::int32_t colour;
};

class HeaderSyntax : public MarkupTest, public ::testing::WithParamInterface<AttrCase> {};

TEST_P(HeaderSyntax, ReadsEachAttributeOnlyAtTheCurrentPosition)
{
    const std::string markup = std::string(GetParam().header) + "text";
    const auto par = ReadOne(markup);
    EXPECT_EQ(par->Style().Size(), GetParam().size) << GetParam().header;
    EXPECT_EQ(par->Style().LeftIndent(), GetParam().leftIndent) << GetParam().header;
    EXPECT_EQ(par->Style().Colour(), GetParam().colour) << GetParam().header;
    EXPECT_EQ(par->Text(), "text") << GetParam().header;
}

INSTANTIATE_TEST_SUITE_P(
    Table, HeaderSyntax,
    ::testing::Values(
        AttrCase{"<Z S0 s14 l3 >", 14, 3, 0},
        // Out of order: c is looked for before s only, so it is never seen; l is
        // looked for after s and found.
        AttrCase{"<Z S0 s14 c0000FF l3 >", 14, 10, 0},
        // Empty value and a lone "-" read as 0.
        AttrCase{"<Z S0 s l- >", 0, 0, 0}, AttrCase{"<Z S0 s-7 l-12 >", -7, -12, 0},
        // Colours come from the first six characters of their value.
        AttrCase{"<Z S0 c12345678 >", 12, 10, 0x563412}, AttrCase{"<Z S0 cfF00 >", 12, 10, 0xFF},
        // A value longer than 12 characters is not read, and nothing after it either.
        AttrCase{"<Z S0 s1234567890123 l5 >", 12, 10, 0},
        // Digits stop at the first other character.
        AttrCase{"<Z S0 s14pt l3 >", 14, 3, 0},
        // Huge numbers saturate instead of overflowing.
        AttrCase{"<Z S0 l99999999999 >", 12, 2147483647, 0}));

TEST_F(Reader, UnknownStyleIdFallsBackToStyleZeroAndTranslationApplies)
{
    EXPECT_EQ(ReadOne("<Z S77 >x")->Style().StyleId(), 0);
    RefTranslation styles{{5}, {m_headingId}};
    m_opts.styleMap = &styles;
    EXPECT_EQ(ReadOne("<Z S5 >x")->Style().StyleId(), m_headingId);
}

TEST_F(Reader, TruncatedValuesAreReportedAndCountAsAbsent)
{
    auto par = ReadOne("<Z S2 s1");
    EXPECT_EQ(par->Style().Size(), 16);
    ASSERT_EQ(m_messages.Messages().size(), 1u);
    EXPECT_EQ(m_messages.Messages()[0].kind, MessageKind::Error);
    EXPECT_EQ(m_messages.Messages()[0].text, "Truncated line!");

    m_messages.Clear();
    par = ReadOne("<Z S2 F\"Arial");
    EXPECT_EQ(par->Style().Name(), "Arial");
    EXPECT_FALSE(par->Style().Overrides(kParaName));
    ASSERT_EQ(m_messages.Messages().size(), 1u);
    EXPECT_EQ(m_messages.Messages()[0].kind, MessageKind::Information);
    EXPECT_EQ(m_messages.Messages()[0].text, "Truncated line!");
}

TEST_F(Reader, ARunTagIsRelativeToTheStyleNotToTheHeader)
{
    // The header overrides the colour; a run tag without c returns to the style's own colour.
    const auto par = ReadOne("<Z S2 c0000FF >ab<Y s20 >cd");
    ASSERT_EQ(par->RunFonts().size(), 1u);
    EXPECT_EQ(par->Records()[2].runFont, 0);
    const TUVAFontStyle& run = par->RunFonts()[0];
    EXPECT_EQ(run.Colour(), 0);
    EXPECT_FALSE(run.Overrides(kFontAttrColour));
    EXPECT_EQ(run.Size(), 20);
    EXPECT_EQ(par->FontAt(1).colour, 0xFF0000);
    EXPECT_EQ(par->FontAt(3).colour, 0);
    EXPECT_EQ(Write(*par, mwWhole), "<Z S2 c0000FF >ab<Y s20 >cd");
}

TEST_F(Reader, RunTagsAtOnePositionMergeIntoOneRunFont)
{
    const auto par = ReadOne("<Z S0 >a<Y s20 ><Y y1 >b<Y i1 g0 >c<Y i1 g1 y4 >d");
    ASSERT_EQ(par->RunFonts().size(), 3u);
    EXPECT_EQ(par->RunFonts()[0].Size(), 20);
    EXPECT_EQ(par->RunFonts()[0].Style(), kFontBold);
    EXPECT_EQ(par->RunFonts()[1].Style(), kFontItalic);
    EXPECT_EQ(par->RunFonts()[1].Size(), 12); // absent: the style's size again
    EXPECT_EQ(par->RunFonts()[2].Style(), 4); // y comes after i and g
    EXPECT_EQ(Write(*par, mwWhole), "<Z S0 >a<Y s20 y1 >b<Y y2 >c<Y y4 >d");
}

TEST_F(Reader, LinksMarkEveryRecordUntilTheirEnd)
{
    const auto par = ReadOne("<Z S0 >a<$00000005>bc<%>d<$03000001>e<$6f000002>f<$10000001>g");
    std::vector<std::int32_t> links;
    for (const auto& r : par->Records())
        links.push_back(r.link);
    const std::vector<std::int32_t> expected = {-1, 5, 5, -1, 0x03000001, 0x6F000002, 0x6F000002, 0x6F000002};
    EXPECT_EQ(links, expected); // the top byte 0x10 is no link: ignored
    EXPECT_EQ(par->Text(), "abcdefg");
}

TEST_F(Reader, LocalLinksGoThroughTheLinkTranslation)
{
    RefTranslation links{{0x6F000000}, {0x6F000007}};
    m_opts.linkMap = &links;
    const auto par = ReadOne("<Z S0 ><$6F000000>a<$00000000>b");
    EXPECT_EQ(par->Records()[0].link, 0x6F000007);
    EXPECT_EQ(par->Records()[1].link, 0); // kind-0 references are not translated
}

TEST_F(Reader, EmbeddedObjectsTakeTheirControlsSize)
{
    m_registry.Add(3, kObjectKindPicturePlacement, 120, 80);
    const auto par = ReadOne("<Z S0 >a<$FF000003>b<$ff000009>c");
    EXPECT_EQ(par->Text(), "a b c");
    ASSERT_EQ(par->Objects().size(), 1u);
    const EmbeddedObject* obj = par->ObjectAt(1);
    ASSERT_NE(obj, nullptr);
    EXPECT_EQ(obj->number, 3u);
    EXPECT_EQ(obj->kind, kObjectKindPicturePlacement);
    EXPECT_EQ(par->Records()[1].width, 120);
    EXPECT_EQ(par->Records()[1].height, 80);
    // Number 9 names no control: a plain, measured space.
    EXPECT_EQ(par->ObjectAt(3), nullptr);
    EXPECT_EQ(par->Records()[3].width, 10);
    EXPECT_TRUE(par->Check());
}

TEST_F(Reader, ObjectNumbersGoThroughTheObjectTranslation)
{
    m_registry.Add(12, kObjectKindPicturePlacement, 5, 5);
    RefTranslation objects{{4}, {12}};
    m_opts.objectMap = &objects;
    const auto par = ReadOne("<Z S0 ><$FF000004>");
    ASSERT_NE(par->ObjectAt(0), nullptr);
    EXPECT_EQ(par->ObjectAt(0)->number, 12u);
}

TEST_F(Reader, TablesReadTheirCellTextsInModeZeroOnly)
{
    FakeControl& table = m_registry.Add(1, kObjectKindTable, 200, 50, 2);
    const std::string markup = "<Z S0 ><$FF000001><Z S1 >c1<Z S1 >c1b<T><Z S1 ><T>after<Z S0 >next";
    ParagraphList pars;
    MarkupCursor cur{markup, 0};
    MarkupReader::ReadParagraphs(pars, cur, ParagraphKind::Own, nullptr, m_opts);
    ASSERT_EQ(pars.size(), 2u);
    EXPECT_EQ(pars[0]->Text(), " after");
    EXPECT_TRUE(pars[0]->IsTableParagraph());
    ASSERT_EQ(table.Cells()[0].size(), 2u);
    EXPECT_EQ(table.Cells()[0][0]->Text(), "c1");
    EXPECT_EQ(table.Cells()[0][1]->Text(), "c1b");
    ASSERT_EQ(table.Cells()[1].size(), 1u);
    EXPECT_EQ(table.Cells()[1][0]->Text(), "");
    EXPECT_EQ(table.Cells()[1][0]->Style().StyleId(), 1);

    // Mode 1 leaves the cells alone; the cell texts then read as paragraphs of their own.
    m_opts.mode = 1;
    const ParagraphList live = Read(markup);
    EXPECT_EQ(live[0]->Text(), " ");
    EXPECT_EQ(live[1]->Text(), "c1");
    EXPECT_EQ(table.Cells()[0].size(), 2u);
}

TEST_F(Reader, SnapshotPlaceholderStandsForTheCells)
{
    FakeControl& table = m_registry.Add(1, kObjectKindTable, 200, 50, 1);
    table.Cells()[0].push_back(std::make_unique<TUVAparag>());
    const auto par = ReadOne("<Z S0 ><$FF000001><@>x");
    EXPECT_EQ(par->Text(), " x");
    EXPECT_EQ(table.Cells()[0].size(), 1u); // untouched
}

TEST_F(Reader, ATableNamedInsideItsOwnCellIsNotReadAgain)
{
    // Reading the inner tag must not clear the cell list that is being filled.
    FakeControl& table = m_registry.Add(1, kObjectKindTable, 200, 50, 1);
    const auto pars = Read("<Z S0 ><$FF000001><Z S1 >in<$FF000001>side<T>out");
    ASSERT_EQ(table.Cells()[0].size(), 1u);
    EXPECT_EQ(table.Cells()[0][0]->Text(), "in side");
    EXPECT_EQ(pars[0]->Text(), " out");
}

TEST_F(Reader, SkippedBlocksAndUnknownTagsLeaveNoText)
{
    EXPECT_EQ(ReadOne("<Z S0 >a<D>x<Z S0 >y<d>b<Fq>z<f>c<R>r<r>d<Q whatever>e<d>f")->Text(), "abcdef");
    // A block that is never closed runs to the end of the markup.
    auto par = std::make_unique<TUVAparag>();
    const std::string markup = std::string("<Z S0 >a<Rnever") + '\0' + "<r>b";
    MarkupCursor cur{markup, 0};
    EXPECT_TRUE(MarkupReader::ReadParagraph(*par, cur, m_opts));
    EXPECT_EQ(par->Text(), "a");
    EXPECT_EQ(cur.pos, markup.find('\0')); // stops on the NUL, not beyond
}

TEST_F(Reader, ControlCharactersAreDropped)
{
    EXPECT_EQ(ReadOne("<Z S0 >a\tb\r\nc\x1f" "d")->Text(), "abcd");
}

TEST_F(Reader, ReportsWhereEachParagraphEnds)
{
    const std::string markup = std::string("<Z S0 >one<Z S0 >two<T>three") + '\0';
    MarkupCursor cur{markup, 0};
    TUVAparag par;
    EXPECT_FALSE(MarkupReader::ReadParagraph(par, cur, m_opts));
    EXPECT_EQ(cur.pos, 10u); // on the next "<Z"
    EXPECT_TRUE(MarkupReader::ReadParagraph(par, cur, m_opts));
    EXPECT_EQ(par.Text(), "two");
    EXPECT_EQ(markup.substr(cur.pos), std::string("three") + '\0');
    // No "<" left: false, and neither the paragraph nor the cursor changes.
    const std::size_t before = cur.pos;
    EXPECT_FALSE(MarkupReader::ReadParagraph(par, cur, m_opts));
    EXPECT_EQ(cur.pos, before);
    EXPECT_EQ(par.Text(), "two");
}

TEST_F(Reader, EmptyMarkupYieldsNoParagraph)
{
    for (std::string_view m : {std::string_view("\0", 1), std::string_view(), std::string_view("no tags")}) {
        ParagraphList pars;
        MarkupCursor cur{m, 0};
        MarkupReader::ReadParagraphs(pars, cur, ParagraphKind::Own, nullptr, m_opts);
        EXPECT_TRUE(pars.empty());
    }
}

TEST_F(Reader, AHeaderWithoutStyleIdGivesAnEmptyParagraph)
{
    const std::string markup = "<Z x>text<Z S0 >b";
    MarkupCursor cur{markup, 0};
    TUVAparag par;
    EXPECT_FALSE(MarkupReader::ReadParagraph(par, cur, m_opts));
    EXPECT_EQ(par.Text(), "");
    EXPECT_EQ(cur.pos, 5u);
    EXPECT_TRUE(par.Check());
}

TEST_F(Reader, MeasuresCharactersWithTheFontInForce)
{
    const auto par = ReadOne("<Z S0 p2 >a<Y p1 >b<Y >c");
    // FixedMetrics: 10 wide, ascent 12, descent 4, height 16.
    EXPECT_EQ(par->Records()[0].width, 10);
    EXPECT_EQ(par->Records()[0].height, 16);
    EXPECT_EQ(par->Records()[0].ascent, 20); // superscript: ascent + half the height
    EXPECT_EQ(par->Records()[1].height, 24); // subscript: height + half the height
    EXPECT_EQ(par->Records()[1].ascent, 12);
    EXPECT_EQ(par->Records()[2].height, 16);
    EXPECT_EQ(par->Records()[2].ascent, 12);
    EXPECT_EQ(par->defaultLineHeight, 16);
    ASSERT_EQ(par->Lines().size(), 1u);
    EXPECT_EQ(par->Lines()[0].count, 3);
}

// A font in which "AV" is kerned: 15 pixels for the pair instead of 20.
class KerningMetrics : public FixedMetrics {
public:
    int TextWidth(const FontSpec& f, std::string_view text) const override
    {
        return text == "AV" ? 15 : FixedMetrics::TextWidth(f, text);
    }
};

TEST_F(Reader, WidthsAreMeasuredInPairsWithinOneFont)
{
    KerningMetrics kerning;
    m_opts.metrics = &kerning;
    const auto par = ReadOne("<Z S0 >AVA<Y s20 >V");
    EXPECT_EQ(par->Records()[0].width, 10);
    EXPECT_EQ(par->Records()[1].width, 5);  // kerned after A
    EXPECT_EQ(par->Records()[2].width, 10);
    EXPECT_EQ(par->Records()[3].width, 10); // first character after a font change: alone
}

TEST_F(Reader, EmptyParagraphGetsALineHeight)
{
    EXPECT_EQ(ReadOne("<Z S0 >")->Lines()[0].height, 16);
    m_opts.metrics = nullptr;
    EXPECT_EQ(ReadOne("<Z S0 >")->Lines()[0].height, 20);
}

} // namespace
} // namespace quor::test
