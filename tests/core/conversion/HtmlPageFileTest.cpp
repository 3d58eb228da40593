// HtmlPageFileTest.cpp: whole page files, frame sets, redirect pages and the
// style sheet.
#include "HtmlExportFixture.h"

#include "composition/frames/TNonVisCornice.h"
#include "model/HeaderLayout.h"

namespace quor::testing {
namespace {

class HtmlPageFileTest : public HtmlExportTest {
protected:
    void SetUp() override
    {
        header::SetAuthors(doc.Header(), "");
        header::SetRights(doc.Header(), "");
    }
    TUVAoggetto* AddKeyword(std::string_view text)
    {
        TUVAoggetto* k = Add(keyword);
        k->SetCounted(0, 79, text);
        return k;
    }
    static constexpr std::string_view kTail = "<META NAME=\"generator\" CONTENT=\"Larkspur Quor 3.0\">\r\n"
                                              "<LINK REL=STYLESHEET HREF=\"ab_style.css\" TYPE=\"text/css\">\r\n";
    static constexpr std::string_view kBody = "<BODY TEXT=#000000 LINK=#0000FF VLINK=#FF0000 BGCOLOR=#C0C0C0 >\r\n"
                                              "<BASE TARGET=\"_top\">\r\n";
};

TEST_F(HtmlPageFileTest, HeadWithTitleKeywordsAuthorAndRefresh)
{
    header::SetAuthors(doc.Header(), "Ann & Bob");
    header::SetRights(doc.Header(), "(c) \"us\"");
    doc.RecordFileName("/docs/site.uva");
    TUVAtesto* page = AddPage("<Z S0 >Hi", "A <b> & c");
    AddPage("<Z S0 >next");
    TUVAoggetto* k1 = AddKeyword("one");
    TUVAoggetto* k2 = AddKeyword("t<w>o");
    AddKeyword("-");   // a deleted keyword (index 2) is left out
    records::PageRecord rec(page->Record().data());
    rec.SetKeyword(0, k1->Index());
    rec.SetKeyword(3, 2);
    rec.SetKeyword(5, k2->Index());
    rec.SetKeyword(6, 77);
    rec.SetNextSlide(1);
    rec.SetSlideDelay(7);

    EXPECT_EQ(PageFile(page),
              "<HTML><HEAD>\r\n<TITLE>A &lt;b&gt; &amp; c\r\n</TITLE>\r\n"
              "<META NAME=\"keywords\" CONTENT=\"one,t&lt;w&gt;o,\">\r\n"
              "<META HTTP-EQUIV=\"refresh\" CONTENT=\"7;URL=ab_000001.html\">\r\n"
              "<!--pageQuor=\"0;/docs/site.uva\"-->\r\n"
              "<META NAME=\"author\" CONTENT=\"Ann &amp; Bob\">\r\n"
              "<META NAME=\"copyright\" CONTENT=\"(c) &quot;us&quot;\">\r\n" +
                  std::string(kTail) + "</HEAD>\r\n" + std::string(kBody) +
                  "<DIV class=s0 >\r\nHi&nbsp;</DIV>\r\n\r\n</BODY></HTML>\r\n");
}

TEST_F(HtmlPageFileTest, TitleIsCutToSeventyOneCharacters)
{
    const std::string longTitle(80, 'x');
    TUVAtesto* page = AddPage("<Z S0 >", longTitle);
    const std::string file = PageFile(page);
    EXPECT_TRUE(file.starts_with("<HTML><HEAD>\r\n<TITLE>" + std::string(71, 'x') + "\r\n</TITLE>\r\n"));
    EXPECT_EQ(file.find("<SCRIPT>"), std::string::npos);
}

TEST_F(HtmlPageFileTest, HeaderAndFooterPagesFrameTheText)
{
    AddPage("<Z S0 >cover");
    TUVAtesto* top = AddPage("<Z S0 >TOP");
    TUVAtesto* bottom = AddPage("<Z S0 >END");
    TUVAtesto* page = AddPage("<Z S0 >mid");
    header::SetGlobalHeaderPage(doc.Header(), top->Index());
    records::PageRecord(page->Record().data()).SetFooterPage(bottom->Index());
    const std::string file = PageFile(page);
    EXPECT_NE(file.find("<BASE TARGET=\"_top\">\r\n&nbsp;</DIV>\r\n<DIV class=s0 >\r\nTOP&nbsp;</DIV>\r\n"
                        "<DIV class=s0 >\r\nmid&nbsp;</DIV>\r\n<DIV class=s0 >\r\nEND&nbsp;</DIV>\r\n\r\n</BODY>"),
              std::string::npos)
        << file;
    // -2 shows no header at all.
    records::PageRecord(page->Record().data()).SetHeaderPage(-2);
    EXPECT_EQ(PageFile(page).find("TOP"), std::string::npos);
}

TEST_F(HtmlPageFileTest, RollOverScriptsAndPreload)
{
    TUVAoggetto* pic = AddPicture("a.gif");
    TUVAoggetto* over = AddPicture("b.gif");
    TUVAoggetto* img = AddPlacement(pic);
    img->SetI32(9, over->Index());
    TUVAtesto* page = AddPage("<Z S0 >" + Ref(immagineNew, img->Index()));
    const std::string file = PageFile(page);
    EXPECT_NE(file.find("<SCRIPT>\r\n<!--//\r\n\r\nQuorC_bname = navigator.appName;\r\nQuorC_bver = "
                        "parseFloat(navigator.appVersion);\r\n\r\nQuorC_SensOk ='false';\r\nif (QuorC_bver >= 3.0) { "
                        "QuorC_SensOk = 'true' } \r\n\r\nfunction QuorF_over(img,ref)\r\n{\r\n  if "
                        "(QuorC_SensOk=='true') { document.images[img].src = ref }\r\n}\r\n\r\n//-->\r\n</SCRIPT>\r\n"
                        "</HEAD>\r\n"),
              std::string::npos)
        << file;
    EXPECT_TRUE(file.ends_with("&nbsp;</DIV>\r\n\r\n<SCRIPT>\r\n<!--//\r\n  if (QuorC_SensOk == 'true')\r\n  {\r\n"
                               "  QuorP_0= new Image();\r\n  QuorP_0.src=\"ab_i000001.gif\";\r\n  }\r\n//-->\r\n"
                               "</SCRIPT>\r\n\r\n</BODY></HTML>\r\n"))
        << file;
}

TEST_F(HtmlPageFileTest, FrameSetPageAndItsFrameDocuments)
{
    TUVAtesto* master = AddPage("<Z S0 >no frames");
    TUVAtesto* top = AddPage("<Z S0 >top");
    TUVAtesto* main = AddPage("<Z S0 >main");
    TNonVisCornice root;
    root.record.id = 1;
    root.record.placement = 1;
    root.record.spacing = 4;
    auto a = std::make_unique<TNonVisCornice>();
    a->record.id = 2;
    a->record.name = "top";
    a->record.page = top->Index();
    a->record.percent = 30;
    a->record.sizeKind = fsPercent;
    auto b = std::make_unique<TNonVisCornice>();
    b->record.id = 3;
    b->record.name = "main";
    b->record.page = main->Index();
    b->record.sizeKind = fsRest;
    b->record.scrolling = 0;
    b->record.border = 0;
    b->record.resizable = 1;
    root.children.push_back(std::move(a));
    root.children.push_back(std::move(b));
    TUVAoggetto* map = Add(mappaFrame, 2);
    map->SetContentBytes(root.MapBytes());
    map->SetI32(89, 58);
    records::PageRecord(master->Record().data()).SetFrameHosting(map->Index());

    const std::string file = PageFile(master);
    EXPECT_NE(file.find("</HEAD>\r\n<FRAMESET ROWS=30%,* BORDER=4 FRAMESPACING=4 >\r\n"
                        "<FRAME NAME=\"top\" SRC=\"ab-000001.html\" SCROLLING=auto NORESIZE>\r\n"
                        "<FRAME NAME=\"main\" SRC=\"ab-000002.html\" SCROLLING=no FRAMEBORDER=no >\r\n"
                        "</FRAMESET>\r\n\r\n<NOFRAMES>\r\n<BODY "),
              std::string::npos)
        << file;
    EXPECT_TRUE(file.ends_with("no frames&nbsp;</DIV>\r\n</NOFRAMES>\r\n</BODY></HTML>\r\n")) << file;
    ASSERT_EQ(frameDocuments.Size(), 2u);
    EXPECT_EQ(frameDocuments[0], top);
    // The frame document of the master page itself has no frame set.
    EXPECT_EQ(PageFile(master, kFrameDocument).find("FRAMESET"), std::string::npos);

    // A frame whose page was deleted is left out of the frame set, never
    // written with an empty source.
    top->Clear();
    frameDocuments.Clear();
    const std::string without = PageFile(master);
    EXPECT_NE(without.find("<FRAMESET ROWS=30%,* BORDER=4 FRAMESPACING=4 >\r\n"
                           "<FRAME NAME=\"main\" SRC=\"ab-000002.html\" SCROLLING=no FRAMEBORDER=no >\r\n"
                           "</FRAMESET>\r\n"),
              std::string::npos)
        << without;
    EXPECT_EQ(without.find("SRC=\"\""), std::string::npos) << without;
    ASSERT_EQ(frameDocuments.Size(), 1u);
    EXPECT_EQ(frameDocuments[0], main);
}

TEST_F(HtmlPageFileTest, RedirectPageForAnAlternativeName)
{
    AddPage("<Z S0 >cover");
    TUVAtesto* page = AddPage("<Z S0 >x", "Hello");
    EXPECT_EQ(conv.RedirectPageText(page), "");
    records::PageRecord(page->Record().data()).SetAlias("welcome.htm");
    EXPECT_EQ(conv.RedirectName(page), "welcome.htm");
    EXPECT_EQ(conv.RedirectPageText(page),
              "<HTML><HEAD>\r\n<TITLE>Hello\r\n</TITLE>\r\n<!--pageQuor=\"1;\"-->\r\n"
              "<META HTTP-EQUIV=\"refresh\" CONTENT=\"0;URL=ab_000001.html\">\r\n</HEAD>\r\n"
              "<BODY TEXT=#000000 LINK=#0000FF VLINK=#FF0000 BGCOLOR=#C0C0C0>\r\n"
              "<A HREF=\"ab_000001.html\">Loading...</A>\r\n</BODY></HTML>\r\n");
}

TEST_F(HtmlPageFileTest, StyleSheetHasOneDivAndOneLinkClassPerStyle)
{
    EditStyle(1, [](ParagraphStyle& s) {
        s.name = "Head */ x";
        s.fontName = "Arial";
        s.fontSize = 14;
        s.colour = 0x0000FF;
        s.styleBits = 1 | 2 | 8;
        s.lineHeight = 24;
        s.unit = 5;
        s.alignment = 2;
        s.numbering = 6;
        s.linkSize = 16;
        s.linkStyle = 1 | 2;
        s.linkColour = 0x00FF00;
    });
    EXPECT_EQ(conv.StyleSheetText(),
              "/* Larkspur Quor automatic CSS */\r\n\r\n"
              "/* [no style] */\r\nDIV.s0 {\r\n\tfont-family:\"Times New Roman\";\r\n\tfont-size:12pt;\r\n"
              "\tcolor:#000000;\r\n\tmargin-left:3mm;\r\n\tmargin-right:3mm;\r\n\tmargin-top:0mm;\r\n"
              "\tmargin-bottom:0mm;\r\n\ttext-indent:0mm;\r\n\ttext-align:left;\r\n\tlist-style-type:none;\t}\r\n"
              "A.s0 {\r\n\tcolor:#0000FF;\r\n\t}\r\n"
              "/* Head * / x */\r\nDIV.s1 {\r\n\tfont-family:\"Arial\";\r\n\tfont-size:14pt;\r\n\tcolor:#FF0000;\r\n"
              "\tfont-style:italic;\r\n\tfont-weight:bold;\r\n\ttext-decoration:line-through;\r\n"
              "\tline-height:24px;\r\n\tmargin-left:0px;\r\n\tmargin-right:0px;\r\n\tmargin-top:0px;\r\n"
              "\tmargin-bottom:0px;\r\n\ttext-indent:0px;\r\n\ttext-align:center;\r\n\tlist-style-type:decimal;\t}\r\n"
              "A.s1 {\r\n\tcolor:#00FF00;\r\n\tfont-size:16pt;\r\n\tfont-style:italic;\r\n\tfont-weight:bold;\r\n"
              "\ttext-decoration:none;\r\n\t}\r\n");
}

} // namespace
} // namespace quor::testing
