// Writing markup: canonical round trips, the four modes, fragments and joins.
#include "MarkupFixture.h"

#include <memory>

namespace quor::test {
namespace {

class RoundTrip : public MarkupTest, public ::testing::WithParamInterface<std::string_view> {
protected:
    void SetUp() override
    {
        m_registry.Add(3, kObjectKindPicturePlacement, 40, 30);
        m_registry.Add(0xAB, 24, 50, 20);
    }
};

// Markup as the writer writes it reads back into paragraphs that write the same markup.
TEST_P(RoundTrip, WholeModeReproducesTheMarkup)
{
    const ParagraphList pars = Read(GetParam());
    for (const auto& p : pars)
        EXPECT_TRUE(p->Check());
    EXPECT_EQ(Write(pars), GetParam());
}

INSTANTIATE_TEST_SUITE_P(
    Table, RoundTrip,
    ::testing::Values(
        "<Z S0 >plain text", "<Z S0 >",
        "<Z S2 c0000FF F\"Courier New\" s14 y3 p1 P5 A2 N6 M3 L20 I-5 l30 r40 t1 b2 C00FF00 S9 Y1 >x",
        "<Z S0 >a&lt;b&gt;c&amp;d\xE9\xA0\"'", "<Z S0 >a<Y cFF0000 F\"Arial\" s20 y5 p2 >b<Y >c<Y s9 >d",
        "<Z S0 ><Y s20 >ab", "<Z S0 >a<$00000005>bc<%>d<$6f000002>e<%>", "<Z S0 ><$00000005>a<$03000006>b<%>",
        "<Z S0 >a<$FF000003>b<$FF0000ab>", "<Z S0 ><$00000005>a<$FF000003>b<%>",
        "<Z S0 >one<Z S2 l0 >two<Z S1 >three", "<Z S0 M5 I-20 l0 r0 >hanging"));

TEST_F(MarkupTest, AnOverrideSetBackToTheStyleValueIsNoLongerWritten)
{
    const auto par = ReadOne("<Z S0 l30 r4 >x");
    par->Style().SetLeftIndent(10);
    EXPECT_EQ(Write(*par, mwWhole), "<Z S0 r4 >x");
}

TEST_F(MarkupTest, LinkReachingTheEndIsClosed)
{
    TUVAparag par;
    par.Style().SetBase(StyleBase{&m_styles, 0});
    par.AppendChar('a', 0, 0, 0, 7);
    par.Records()[0].link = 7;
    EXPECT_EQ(Write(par, mwWhole), "<Z S0 ><$00000007>a<%>");
}

TEST_F(MarkupTest, ColoursAreWrittenRedGreenBlueInUpperCase)
{
    EXPECT_EQ(MarkupWriter::ColourHex(0x00FF0000), "0000FF");
    EXPECT_EQ(MarkupWriter::ColourHex(0x00ABCDEF), "EFCDAB");
    EXPECT_EQ(MarkupWriter::ColourHex(0x80000005), "050000"); // system colours keep only their low bytes
}

class Tables : public MarkupTest {
protected:
    void SetUp() override { m_table = &m_registry.Add(1, kObjectKindTable, 200, 50, 2); }
    FakeControl* m_table = nullptr;
    static constexpr std::string_view kMarkup = "<Z S0 ><$FF000001><Z S1 >c1<Z S1 >c<Y y1 >1b<T><Z S1 ><T>tail";
};

TEST_F(Tables, WholeModeWritesCellTextsAfterTheTable)
{
    const ParagraphList pars = Read(kMarkup);
    ASSERT_EQ(pars.size(), 1u);
    EXPECT_EQ(Write(pars), kMarkup);
    // An empty cell is "<Z S1 ><T>".
    EXPECT_EQ(Write(*m_table->Cells()[1][0], mwWhole), "<Z S1 >");
}

TEST_F(Tables, LiveModeWritesObjectsAsTagsOnly)
{
    const ParagraphList pars = Read(kMarkup);
    const std::string live = Write(*pars[0], mwLive);
    EXPECT_EQ(live, "<Z S0 ><$FF000001>tail");
    // Read back in mode 1: same text and object, the cells are left as they are.
    m_opts.mode = 1;
    const ParagraphList again = Read(live);
    EXPECT_EQ(again[0]->Text(), " tail");
    EXPECT_EQ(again[0]->ObjectAt(0)->control, m_table);
    EXPECT_EQ(m_table->Cells()[0].size(), 2u);
}

TEST_F(Tables, SnapshotCarriesCellsOnlyForTablesInTheRange)
{
    const ParagraphList pars = Read(kMarkup);
    // The whole paragraph is written whatever the range; the range picks the tables.
    EXPECT_EQ(Write(*pars[0], mwSnapshot, 1, 0), kMarkup);
    const std::string outside = Write(*pars[0], mwSnapshot, 5, 1);
    EXPECT_EQ(outside, "<Z S0 ><$FF000001><@>tail");

    // Reading the snapshot back restores the paragraph and keeps the cells.
    const ParagraphList back = Read(outside);
    EXPECT_EQ(back[0]->Text(), " tail");
    EXPECT_EQ(m_table->Cells()[0][1]->Text(), "c1b");
    // A snapshot with cells restores them too.
    const std::string inside = Write(*pars[0], mwSnapshot, 1, 0);
    m_table->Cells()[0].clear();
    Read(inside);
    ASSERT_EQ(m_table->Cells()[0].size(), 2u);
    EXPECT_EQ(m_table->Cells()[0][1]->RunFonts().size(), 1u);
}

TEST_F(Tables, ContinuationOfATableParagraphKeepsItsHeader)
{
    const ParagraphList pars = Read(kMarkup);
    EXPECT_EQ(Write(*pars[0], mwContinue), "<Z S0 ><$FF000001>tail");
}

TEST_F(MarkupTest, FragmentsStartWithTheFontTheyBeginWith)
{
    const auto par = ReadOne("<Z S0 >ab<Y s20 >cdef");
    EXPECT_EQ(Write(*par, mwWhole, 6, 4), "<Z S0 ><Y c000000 F\"Times New Roman\" s20 y0 p0 >ef");
    EXPECT_EQ(Write(*par, mwWhole, 4, 2), "<Z S0 ><Y s20 >cd"); // a run font starts there
    EXPECT_EQ(Write(*par, mwWhole, 2, 0), "<Z S0 >ab");
    // Out-of-range arguments are cut to the text.
    EXPECT_EQ(Write(*par, mwWhole, 99, -3), "<Z S0 >ab<Y s20 >cdef");
    EXPECT_EQ(Write(*par, mwWhole, 2, 5), "<Z S0 >");
}

TEST_F(MarkupTest, FragmentInsideALinkOpensAndClosesIt)
{
    const auto par = ReadOne("<Z S0 >a<$00000005>bcd<%>e");
    EXPECT_EQ(Write(*par, mwWhole, 3, 2), "<Z S0 ><Y c000000 F\"Times New Roman\" s12 y0 p0 ><$00000005>c<%>");
}

TEST_F(MarkupTest, ContinuationJoinsOntoThePrecedingParagraph)
{
    const auto first = ReadOne("<Z S2 >first");
    const auto second = ReadOne("<Z S0 c0000FF >sec<Y s8 >ond");
    const std::string fragment = Write(*second, mwContinue);
    EXPECT_EQ(fragment, "<Y c0000FF F\"Times New Roman\" s12 y0 p0 >sec<Y s8 >ond");

    const std::string joined = Write(*first, mwLive) + fragment;
    const ParagraphList pars = Read(joined);
    ASSERT_EQ(pars.size(), 1u);
    const TUVAparag& p = *pars[0];
    EXPECT_EQ(p.Style().StyleId(), m_headingId); // the first paragraph's style
    EXPECT_EQ(p.Text(), "firstsecond");
    EXPECT_EQ(p.FontAt(2).name, "Arial");
    EXPECT_EQ(p.FontAt(5).name, "Times New Roman"); // the second's font
    EXPECT_EQ(p.FontAt(5).colour, 0xFF0000);
    EXPECT_EQ(p.FontAt(5).size, 12);
    EXPECT_EQ(p.FontAt(9).size, 8);
}

TEST_F(MarkupTest, SavedBoxTextLeavesOutHeaderAndFooterAndEndsWithNul)
{
    const ParagraphList pars = Read("<Z S0 >head<Z S0 >own1<Z S0 >own2<Z S0 >foot");
    EXPECT_EQ(MarkupWriter::SaveBoxText(pars, 1, 1), std::string("<Z S0 >own1<Z S0 >own2") + '\0');
    EXPECT_EQ(MarkupWriter::SaveBoxText(pars, 3, 3), std::string(1, '\0'));
    EXPECT_EQ(MarkupWriter::SaveBoxText({}, 0, 0), std::string(1, '\0'));
}

TEST_F(MarkupTest, BoxTextLoadsHeaderOwnAndFooterAndSavesOnlyItsOwn)
{
    const std::string own = std::string("junk<Z S0 >one<Z S2 >two") + '\0';
    MarkupCursor cur{own, 4};
    auto text = MarkupReader::LoadBoxText("<Z S0 >h1<Z S0 >h2", cur, "", nullptr, m_opts);
    ASSERT_EQ(text.paragraphs.size(), 4u);
    EXPECT_EQ(text.headerCount, 2u);
    EXPECT_EQ(text.footerCount, 0u);
    EXPECT_EQ(text.paragraphs[1]->Kind(), ParagraphKind::Header);
    EXPECT_EQ(text.paragraphs[2]->Kind(), ParagraphKind::Own);
    EXPECT_EQ(text.paragraphs[3]->Text(), "two");
    EXPECT_EQ(MarkupWriter::SaveBoxText(text.paragraphs, text.headerCount, text.footerCount),
              own.substr(4));

    MarkupCursor none{std::string_view(), 0};
    // An empty own text still gets one empty own paragraph of style 0.
    text = MarkupReader::LoadBoxText("", none, "<Z S0 >f", nullptr, m_opts);
    ASSERT_EQ(text.paragraphs.size(), 2u);
    EXPECT_EQ(text.footerCount, 1u);
    EXPECT_EQ(text.paragraphs[0]->Kind(), ParagraphKind::Own);
    EXPECT_EQ(text.paragraphs[0]->Text(), "");
    EXPECT_EQ(text.paragraphs[0]->Style().Base().id, 0);
    EXPECT_EQ(text.paragraphs[1]->Kind(), ParagraphKind::Footer);
}

TEST_F(MarkupTest, ANulInTheTextIsNotWritten)
{
    TUVAparag par;
    par.AppendChar('a', 0, 0, 0, -1);
    par.AppendChar('\0', 0, 0, 0, -1);
    par.AppendChar('b', 0, 0, 0, -1);
    const std::string out = Write(par, mwWhole);
    EXPECT_EQ(out.find('\0'), std::string::npos);
    EXPECT_EQ(out, "<Z S0 >ab");
}

// Every prefix of a rich markup, held in a buffer of exactly its size with no NUL,
// reads without touching memory beyond it and gives consistent paragraphs.
TEST_F(Tables, EveryPrefixOfAMarkupReadsSafely)
{
    m_registry.Add(3, kObjectKindPicturePlacement, 40, 30);
    const std::string full = std::string(kMarkup) +
                             "<Z S2 c0000FF F\"Arial\" s14 y3 >a&eacute;&#233<Y s20 ><$00000005>b<$FF000003>c<%>"
                             "<D>skip<d>&&<R>x";
    for (std::size_t n = 0; n <= full.size(); ++n) {
        const auto buffer = std::make_unique<char[]>(n);
        std::copy(full.begin(), full.begin() + static_cast<std::ptrdiff_t>(n), buffer.get());
        m_messages.Clear();
        const ParagraphList pars = Read(std::string_view(buffer.get(), n));
        for (const auto& p : pars)
            ASSERT_TRUE(p->Check()) << n;
        for (const auto& cell : m_table->Cells())
            for (const auto& p : cell)
                ASSERT_TRUE(p->Check()) << n;
    }
}

} // namespace
} // namespace quor::test
