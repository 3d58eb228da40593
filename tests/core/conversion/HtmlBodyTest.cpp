// HtmlBodyTest.cpp: page text to HTML body: paragraphs, spaces, entities,
// inline formatting, numbering, links and anchors.
#include "HtmlExportFixture.h"

namespace quor::testing {
namespace {

class HtmlBodyTest : public HtmlExportTest {};

struct BodyCase {
    const char* name;
    std::string_view markup;
    std::string_view html;
};

class BodyText : public HtmlBodyTest, public ::testing::WithParamInterface<BodyCase> {};

TEST_P(BodyText, IsWrittenExactly)
{
    AddPage("<Z S0 >cover");
    AddPage("<Z S0 >target");
    TUVAtesto* page = AddPage(GetParam().markup);
    EXPECT_EQ(Body(page), GetParam().html);
}

INSTANTIATE_TEST_SUITE_P(Table, BodyText, ::testing::Values(
    BodyCase{"Plain", "<Z S0 >Hello", "<DIV class=s0 >\r\nHello&nbsp;</DIV>\r\n"},
    BodyCase{"EmptyText", "", "&nbsp;</DIV>\r\n"},
    BodyCase{"ThreeSpaces", "<Z S0 >a   b", "<DIV class=s0 >\r\na &nbsp;&nbsp;b&nbsp;</DIV>\r\n"},
    BodyCase{"TwoParagraphs", "<Z S0 >a<Z S1 >b",
             "<DIV class=s0 >\r\na&nbsp;</DIV>\r\n<DIV class=s1 >\r\nb&nbsp;</DIV>\r\n"},
    BodyCase{"Escapes", "<Z S0 >x\x01&lt;\xAF\xE9\xFC\xFF",
             "<DIV class=s0 >\r\nx&lt;&macr;&eacute;\xFC\xFF&nbsp;</DIV>\r\n"},
    // Stored entities: numeric ones whole, "hibar" as "macr", the markup's own
    // "&&" and an unknown name as "&amp;".
    BodyCase{"Entities", "<Z S0 >&#8364;|&hibar;|&eacute|&&x;|&zz;|&AMP;",
             "<DIV class=s0 >\r\n&#8364;|&macr;|&eacute;|&amp;|&amp;zz;|&amp;&nbsp;</DIV>\r\n"},
    BodyCase{"SkippedBlocks", "<Z S0 >a<Dxx>hidden<d>b<Q>c<F>gone<f>d",
             "<DIV class=s0 >\r\nabcd&nbsp;</DIV>\r\n"},
    BodyCase{"Bold", "<Z S0 >a<Y y1 >b<Y y0 >c", "<DIV class=s0 >\r\na<B>b</B>c&nbsp;</DIV>\r\n"},
    BodyCase{"BigFont", "<Z S0 >a<Y s40 >b",
             "<DIV class=s0 >\r\na<FONT style='font-size:40pt;' SIZE=+4>b&nbsp;</FONT></DIV>\r\n"},
    BodyCase{"FaceAndColour", "<Z S0 >a<Y c0000FF F\"Arial\" >b<Y >c",
             "<DIV class=s0 >\r\na<FONT style='color:#0000FF;font-family:\"Arial\";' COLOR=#0000FF FACE=\"Arial\">b"
             "</FONT>c&nbsp;</DIV>\r\n"},
    BodyCase{"ParagraphFont", "<Z S0 s10 y3 >x",
             "<DIV class=s0 >\r\n<FONT style='font-size:10pt;' SIZE=-1><B><I>x&nbsp;</I></B></FONT></DIV>\r\n"},
    BodyCase{"ParagraphCss", "<Z S0 A2 M5 L20 l30 t4 >x",
             "<DIV ALIGN=center class=s0  style='text-align: center;line-height: 20px;margin-left: 30px;"
             "margin-top: 4px;'>\r\nx&nbsp;</DIV>\r\n"},
    BodyCase{"AutomaticLineHeight", "<Z S0 L0 >x", "<DIV class=s0 >\r\nx&nbsp;</DIV>\r\n"},
    BodyCase{"Numbering", "<Z S0 N6 >one<Z S0 N6 >two<Z S0 >x<Z S0 N6 >three",
             "<DIV class=s0  style='list-style-type:decimal;'>\r\n<!lisnum>1. <!/lisnum>one&nbsp;</LI></DIV>\r\n"
             "<DIV class=s0  style='list-style-type:decimal;'>\r\n<!lisnum>2. <!/lisnum>two&nbsp;</LI></DIV>\r\n"
             "<DIV class=s0 >\r\nx&nbsp;</DIV>\r\n"
             "<DIV class=s0  style='list-style-type:decimal;'>\r\n<!lisnum>1. <!/lisnum>three&nbsp;</LI></DIV>\r\n"},
    BodyCase{"Bullet", "<Z S0 N10 >b", "<DIV class=s0  style='list-style-type:disc;'>\r\n<LI>b&nbsp;</LI></DIV>\r\n"},
    BodyCase{"PageLink", "<Z S0 >x<$00000001>link<%>y",
             "<DIV class=s0 >\r\nx<A class=s0 HREF=\"ab_000001.html\"  >link</A>y&nbsp;</DIV>\r\n"},
    BodyCase{"LinkColourOverride", "<Z S0 C00FF00 Y2 ><$00000001>l<%>",
             "<DIV class=s0 >\r\n<A class=s0  style='color:#00FF00;font-style:italic;' HREF=\"ab_000001.html\"  >l</A>"
             "&nbsp;</DIV>\r\n"},
    BodyCase{"MissingObject", "<Z S0 >a<$00000099>b<$1a000000>c", "<DIV class=s0 >\r\nabc&nbsp;</DIV>\r\n"}),
    [](const ::testing::TestParamInfo<BodyCase>& info) { return std::string(info.param.name); });

TEST_F(HtmlBodyTest, AnAnchorInsideALinkReopensIt)
{
    AddPage("<Z S0 >cover");
    AddPage("<Z S0 >target");
    TUVAoggetto* anchor = Add(shortObj, 14);
    anchor->SetI32(5, 7);
    const std::string a = Ref(shortObj, anchor->Index());
    TUVAtesto* inside = AddPage("<Z S0 ><$00000001>a" + a + "b<%>");
    EXPECT_EQ(Body(inside), "<DIV class=s0 >\r\n<A class=s0 HREF=\"ab_000001.html\"  >a</A><A NAME=\"an7\"></A>"
                            "<A class=s0 HREF=\"ab_000001.html\"  >b</A>&nbsp;</DIV>\r\n");
    TUVAtesto* after = AddPage("<Z S0 ><$00000001>a<%>" + a + "b");
    EXPECT_EQ(Body(after), "<DIV class=s0 >\r\n<A class=s0 HREF=\"ab_000001.html\"  >a</A><A NAME=\"an7\"></A>b"
                           "&nbsp;</DIV>\r\n");
}

TEST_F(HtmlBodyTest, LinksToFilesAndAddressesAreEscapedAndCollectResources)
{
    AddPage("<Z S0 >cover");
    TUVAoggetto* file = AddFile("doc.pdf");
    TUVAoggetto* url = AddAddress("http://x.org/?a=1&b=\"2\"");
    TUVAtesto* page = AddPage("<Z S0 >" + Ref(genLink, file->Index()) + "f<%>" + Ref(internetLink, url->Index()) + "u<%>");
    EXPECT_EQ(Body(page), "<DIV class=s0 >\r\n<A class=s0 HREF=\"ab_g000000.pdf\"  >f</A>"
                          "<A class=s0 HREF=\"http://x.org/?a=1&amp;b=&quot;2&quot;\"  >u</A>&nbsp;</DIV>\r\n");
    ASSERT_EQ(resources.Size(), 1u);
    EXPECT_EQ(resources[0], file);
}

TEST_F(HtmlBodyTest, BodyTagCarriesThePageColoursAndBackground)
{
    TUVAoggetto* pic = AddPicture("bg.gif");
    TUVAtesto* page = AddPage("<Z S0 >x");
    records::PageRecord rec(page->Record().data());
    rec.SetBackgroundImage(pic->Index());
    EXPECT_EQ(Body(page, kBodyTagOnly), "<BODY BACKGROUND=\"ab_i000000.gif\" TEXT=#000000 LINK=#0000FF VLINK=#FF0000 "
                                        "BGCOLOR=#C0C0C0 >\r\n<BASE TARGET=\"_top\">\r\n&nbsp;</DIV>\r\n");
    EXPECT_TRUE(resources.Contains(pic));
}

TEST_F(HtmlBodyTest, RawHtmlResolvesReferencesAndNeverIncludesItsOwnPage)
{
    AddPage("<Z S0 >cover");
    TUVAoggetto* pic = AddPicture("p.png");
    TUVAoggetto* raw = Add(shortObj, 11);
    const std::string html = "[!RefI:05000000][!RefP:00000000][!RefP:00000001][!Refq:00000000][!RefI:05000009]";
    std::vector<std::uint8_t> props(4, 0);
    props.insert(props.end(), html.begin(), html.end());
    raw->SetPropertiesBytes(props);
    // Page 1 shows the raw HTML, which asks for page 0 and for page 1 itself.
    TUVAtesto* page = AddPage("<Z S0 >" + Ref(shortObj, raw->Index()));
    ASSERT_EQ(page->Index(), 1);
    EXPECT_EQ(Body(page), "<DIV class=s0 >\r\n[ab_i000000.png][<DIV class=s0 >\r\ncover&nbsp;</DIV>\r\n][]"
                          "[!Refq:00000000][]&nbsp;</DIV>\r\n");
    EXPECT_TRUE(resources.Contains(pic));
}

TEST_F(HtmlBodyTest, PageInclusionsStopAtAFixedDepth)
{
    // Page i includes page i + 1 through raw HTML; the last includes page 0.
    constexpr int kPages = 40;
    std::vector<TUVAtesto*> pages;
    for (int i = 0; i < kPages; ++i)
        pages.push_back(AddPage(""));
    for (int i = 0; i < kPages; ++i) {
        TUVAoggetto* raw = Add(shortObj, 11);
        char html[32];
        std::snprintf(html, sizeof html, "!RefP:%08x", (i + 1) % kPages);
        std::vector<std::uint8_t> props(4, 0);
        props.insert(props.end(), html, html + std::strlen(html));
        raw->SetPropertiesBytes(props);
        pages[static_cast<std::size_t>(i)]->SetText("<Z S0 >L" + std::to_string(i) + "." + Ref(shortObj, raw->Index()));
    }
    const std::string out = Body(pages[0]);
    EXPECT_NE(out.find("L15."), std::string::npos);
    EXPECT_EQ(out.find("L16."), std::string::npos);
}

TEST_F(HtmlBodyTest, CommentsAreEmptyUnlessExportedAndCannotCloseEarly)
{
    TUVAoggetto* note = Add(shortObj, 10);
    const std::string text = "me\r\nsecret --> <b>";
    note->SetContentBytes(std::vector<std::uint8_t>(text.begin(), text.end()));
    TUVAtesto* page = AddPage("<Z S0 >" + Ref(shortObj, note->Index()));
    EXPECT_EQ(Body(page), "<DIV class=s0 >\r\n<!---->&nbsp;</DIV>\r\n");
    note->SetU8(17, 1);
    EXPECT_EQ(Body(page), "<DIV class=s0 >\r\n<!--me\r\nsecret - -> <b>-->&nbsp;</DIV>\r\n");
}

TEST_F(HtmlBodyTest, APictureInTextIsAnInternalError)
{
    TUVAoggetto* pic = AddPicture("p.gif");
    TUVAtesto* page = AddPage("<Z S0 >a" + Ref(immagine, pic->Index()) + "b");
    EXPECT_EQ(Body(page), "<DIV class=s0 >\r\nab&nbsp;</DIV>\r\n");
    ASSERT_EQ(messages.Messages().size(), 1u);
    EXPECT_EQ(messages.Messages()[0].text, "bug: ogg immagine non deve + esser presente qui");
}

} // namespace
} // namespace quor::testing
