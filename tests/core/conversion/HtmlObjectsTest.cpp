// HtmlObjectsTest.cpp: objects in page text: tables, images with maps and
// roll-overs, form elements, forms, buttons, floating frames, multimedia and
// special links.
#include "HtmlExportFixture.h"

#include "conversion/SpecialLinkHtml.h"
#include "model/records/SpecialLinkRecord.h"
#include "model/records/TableRecord.h"

namespace quor::testing {
namespace {

class HtmlObjectsTest : public HtmlExportTest {
protected:
    void SetUp() override
    {
        AddPage("<Z S0 >cover");
        target = AddPage("<Z S0 >target", "Target \"one\"");
    }
    // A table of rows x columns percent columns of equal width, 100 percent wide.
    TUVAoggetto* AddTable(int rows, int columns)
    {
        TUVAoggetto* t = Add(tabellaHtml, 2);
        records::TableRecord rec(t->Record().data());
        rec.SetWidthMode(1);
        t->SetU8(89, 100);
        t->SetU8(90, 2);
        t->SetU8(91, 3);
        t->SetU8(92, 1);
        t->SetU8(93, static_cast<std::uint8_t>(rows));
        t->SetU8(94, static_cast<std::uint8_t>(columns));
        t->SetU8(96, 1);
        t->SetI32(207, -1);
        for (int c = 0; c < columns; ++c) {
            rec.SetColumnKind(static_cast<std::size_t>(c), 0);
            rec.SetColumnWidth(static_cast<std::size_t>(c), static_cast<std::int16_t>(100 / columns));
        }
        t->FreeContent();
        return t;
    }
    std::string Body1(std::string_view objectMarkup) { return Body(AddPage(std::string("<Z S0 >") + std::string(objectMarkup))); }

    TUVAtesto* target = nullptr;
};

TEST_F(HtmlObjectsTest, TwoByTwoTableNeedsFourSeparators)
{
    TUVAoggetto* table = AddTable(2, 2);
    const std::string cell = "<TD WIDTH=50% VALIGN=\"MIDDLE\"  >\r\n";
    EXPECT_EQ(Body1(Ref(tabellaHtml, table->Index()) + "<Z S1 >a<T><Z S1 >b<T><Z S1 >c<T><Z S1 >d<T><Z S0 >after"),
              "<DIV class=s0 >\r\n<TABLE WIDTH=100% BORDER=1 CELLPADDING=2 CELLSPACING=3 >\r\n<TR>\r\n" + cell +
                  "<DIV class=s1 >\r\na&nbsp;</DIV>\r\n</TD>\r\n" + cell +
                  "<DIV class=s1 >\r\nb&nbsp;</DIV>\r\n</TD></TR>\r\n<TR>\r\n" + cell +
                  "<DIV class=s1 >\r\nc&nbsp;</DIV>\r\n</TD>\r\n" + cell +
                  "<DIV class=s1 >\r\nd\r\n&nbsp;</DIV>\r\n</TD></TR></TABLE></DIV>\r\n"
                  "<DIV class=s0 >\r\nafter&nbsp;</DIV>\r\n");
}

TEST_F(HtmlObjectsTest, TableAndCellBackgroundsAndPixelWidths)
{
    TUVAoggetto* pic = AddPicture("tile.gif");
    TUVAoggetto* table = AddTable(1, 2);
    records::TableRecord rec(table->Record().data());
    rec.SetWidthMode(0);
    rec.SetFixedWidth(300);
    rec.SetColumnKind(1, 1);
    rec.SetColumnWidth(1, 120);
    table->SetI32(207, 0x0000FF); // red
    // Cell backgrounds: a colour, then the picture.
    const std::uint32_t cells[2] = {0x00FF00, 0x03000000u | static_cast<std::uint32_t>(pic->Index())};
    std::vector<std::uint8_t> bytes(8);
    std::memcpy(bytes.data(), cells, 8);
    table->SetContentBytes(bytes);
    const std::string html = Body1(Ref(tabellaHtml, table->Index()) + "<Z S1 ><T><Z S1 ><T>");
    EXPECT_NE(html.find("<TABLE WIDTH=300 BORDER=1 CELLPADDING=2 CELLSPACING=3 BGCOLOR=#FF0000 >\r\n"), std::string::npos);
    EXPECT_NE(html.find("<TD WIDTH=50% VALIGN=\"MIDDLE\"  BGCOLOR=#00FF00 >"), std::string::npos);
    EXPECT_NE(html.find("<TD WIDTH=120 VALIGN=\"MIDDLE\"  background=\"ab_i000000.gif\" >"), std::string::npos);
    EXPECT_TRUE(resources.Contains(pic));
}

TEST_F(HtmlObjectsTest, ImageWithMapAndRollOver)
{
    TUVAoggetto* pic = AddPicture("main.gif");
    TUVAoggetto* over = AddPicture("over.gif");
    TUVAoggetto* img = AddPlacement(pic, "A \"quoted\" <alt>");
    img->SetI32(9, over->Index());
    img->SetI32(73, target->Index());    // zone 0 leads to the target page
    img->SetI16(73 + 8, 1);
    img->SetI16(73 + 10, 2);
    img->SetI16(73 + 12, 10);
    img->SetI16(73 + 14, 20);
    img->SetI32(73 + 16, 0x00000077);    // zone 1: a page that does not exist
    conv.ExpAutoAlt = true;

    EXPECT_EQ(Body1(Ref(immagineNew, img->Index())),
              "<DIV class=s0 >\r\n<MAP NAME=ma000000 >\r\n"
              "<AREA COORDS=1,2,11,22 HREF=\"ab_000001.html\"  ALT=\"Target \x94one\x94\" TITLE=\"Target \x94one\x94\">\r\n"
              "</MAP>\r\n<A HREF=\"ab_000002.html\"  onMouseOver=\"QuorF_over('i000000','ab_i000001.gif');\" "
              "onMouseOut=\"QuorF_over('i000000','ab_i000000.gif');\" ><IMG SRC=\"ab_i000000.gif\" BORDER=0 "
              "ALIGN=MIDDLE ALT=\"A \x94quoted\x94  alt \" NAME=i000000 USEMAP=#ma000000 WIDTH=40 HEIGHT=30  >"
              "</A>&nbsp;</DIV>\r\n");
    EXPECT_EQ(ctx.scriptNeeds, kNeedBrowserTest | kNeedRollOver);
    ASSERT_EQ(ctx.preload.Size(), 1u);
    EXPECT_EQ(ctx.preload[0], over);
    EXPECT_TRUE(resources.Contains(pic));
    EXPECT_TRUE(resources.Contains(over));
}

TEST_F(HtmlObjectsTest, ImageInsideALinkWithRollOverKeepsTheLink)
{
    TUVAoggetto* pic = AddPicture("main.gif");
    TUVAoggetto* over = AddPicture("over.gif");
    TUVAoggetto* img = AddPlacement(pic);
    img->SetI32(9, over->Index());
    EXPECT_EQ(Body1("<$00000001>" + Ref(immagineNew, img->Index()) + "<%>"),
              "<DIV class=s0 >\r\n<A class=s0 HREF=\"ab_000001.html\"  ></A><A class=s0 HREF=\"ab_000001.html\"  "
              "onMouseOver=\"QuorF_over('i000000','ab_i000001.gif');\" onMouseOut=\"QuorF_over('i000000',"
              "'ab_i000000.gif');\" ><IMG SRC=\"ab_i000000.gif\" BORDER=0 ALIGN=MIDDLE ALT=\"alt\" NAME=i000000 "
              "WIDTH=40 HEIGHT=30  ></A>&nbsp;</DIV>\r\n");
}

struct FieldCase {
    const char* name;
    int subKind;
    std::string_view fieldName;
    std::string_view value;
    std::string_view content;
    std::string_view html;
};

class FormFields : public HtmlObjectsTest, public ::testing::WithParamInterface<FieldCase> {};

TEST_P(FormFields, AreWrittenWithEscapedNamesAndValues)
{
    const FieldCase& c = GetParam();
    TUVAoggetto* field = Add(inputStat, c.subKind);
    field->SetCounted(17, 79, c.fieldName);
    field->SetCounted(97, 79, c.value);
    field->SetU8(177, 30);
    field->SetU8(178, 4);
    field->SetU8(179, 20);
    field->SetU8(181, 1);
    field->SetU8(182, 1);
    if (!c.content.empty())
        field->SetContentBytes(std::vector<std::uint8_t>(c.content.begin(), c.content.end()));
    else
        field->FreeContent();
    EXPECT_EQ(Body1(Ref(inputStat, field->Index())), "<DIV class=s0 >\r\n" + std::string(c.html) + "&nbsp;</DIV>\r\n");
}

INSTANTIATE_TEST_SUITE_P(Table, FormFields, ::testing::Values(
    FieldCase{"Text", 1, "q", "v<\"", "", "<INPUT NAME=\"q\" VALUE=\"v&lt;&quot;\" SIZE=20 >\r\n"},
    FieldCase{"EmptyPassword", 2, "pw", "", "", "<INPUT TYPE=password NAME=\"pw\" SIZE=20 >\r\n"},
    FieldCase{"File", 3, "f", "", "", "<INPUT TYPE=file NAME=\"f\" SIZE=20 >\r\n"},
    FieldCase{"TextArea", 4, "t", "", "a<b", "<TEXTAREA NAME=\"t\" ROWS=4 COLS=30 >\r\na&lt;b\r\n</TEXTAREA>"},
    FieldCase{"Hidden", 5, "h", "x", "", "<INPUT TYPE=hidden NAME=\"h\" VALUE=\"x\"  >\r\n"},
    FieldCase{"Radio", 6, "r", "1", "", "<INPUT TYPE=radio NAME=\"r\" VALUE=\"1\" CHECKED  >\r\n"},
    FieldCase{"CheckBox", 7, "c\"x", "on", "", "<INPUT TYPE=checkbox NAME=\"c&quot;x\" VALUE=\"on\" CHECKED  >\r\n"},
    FieldCase{"List", 8, "l", "", "One\nv1\nX\nTwo\r\nv2\r\nn\r\nThree\nv3",
              "<SELECT NAME=\"l\"  SIZE=20 MULTIPLE  ><OPTION VALUE=\"v1\" SELECTED >One\r\n"
              "<OPTION VALUE=\"v2\" >Two\r\n</SELECT>"},
    FieldCase{"DropDown", 9, "d", "", "A&B\n\"v\"\ny\n", "<SELECT NAME=\"d\"   ><OPTION VALUE=\"&quot;v&quot;\" SELECTED >A&amp;B\r\n</SELECT>"}),
    [](const ::testing::TestParamInfo<FieldCase>& info) { return std::string(info.param.name); });

TEST_F(HtmlObjectsTest, FormStartMovesTheFormInFrontOfItsParagraph)
{
    TUVAoggetto* form = Add(inizioForm, 2);
    form->SetCounted(17, 255, "/cgi-bin/go");
    TUVAoggetto* mail = Add(inizioForm, 4);
    mail->SetCounted(17, 255, "me@example.org");
    EXPECT_EQ(Body(AddPage("<Z S0 >a<Z S0 >b" + Ref(inizioForm, form->Index()) + "c<Z S0 >" +
                           Ref(inizioForm, mail->Index()))),
              "<DIV class=s0 >\r\na&nbsp;</DIV>\r\n<FORM TARGET=_top METHOD=POST ACTION=\"/cgi-bin/go\"  >\r\n"
              "<DIV class=s0 >\r\nbc&nbsp;</DIV>\r\n</FORM><FORM METHOD=POST ACTION=\"mailto:me@example.org\" "
              "ENCTYPE=\"text/plain\"  >\r\n<DIV class=s0 >\r\n&nbsp;</DIV>\r\n");
}

TEST_F(HtmlObjectsTest, ButtonsWithPicturesTargetsAndReset)
{
    TUVAoggetto* pic = AddPicture("b.gif");
    Add(inizioForm, 1);
    TUVAoggetto* go = Add(bottoneCGI, 1);
    go->SetCounted(17, 79, "send");
    go->SetCounted(97, 79, "Go!");
    go->SetI32(177, -1);
    go->SetI32(181, target->Index());
    TUVAoggetto* reset = Add(bottoneCGI, 3);
    reset->SetI32(177, MakeRef(immagine, pic->Index()));
    reset->SetI16(190, 16);
    reset->SetI16(192, 12);
    reset->SetU8(194, 0);
    reset->SetI32(181, -1);
    const std::string html = Body1(Ref(inizioForm, 0) + Ref(bottoneCGI, go->Index()) + Ref(bottoneCGI, reset->Index()));
    EXPECT_NE(html.find("<INPUT TYPE=submit VALUE=\"Go!\"   onClick=\"javascript:location='ab_000001.html'\" >\r\n"),
              std::string::npos)
        << html;
    EXPECT_NE(html.find("<A HREF=\"#\" onclick=\"document.forms[0].reset()\"><IMG SRC=\"ab_i000000.gif\" BORDER=0 "
                        "WIDTH=16 HEIGHT=12 ></A>\r\n"),
              std::string::npos)
        << html;
    EXPECT_TRUE(resources.Contains(pic));
}

TEST_F(HtmlObjectsTest, FloatingFrameShowsAFrameDocument)
{
    TUVAoggetto* frame = Add(inputStat, 18);
    frame->SetCounted(17, 79, "side");
    frame->SetU8(97, 1);
    frame->SetU8(98, 0);
    frame->SetU8(99, 0);
    frame->SetI32(100, 0x00FF00);
    frame->SetI32(108, target->Index());
    frame->SetU8(116, 0);
    frame->SetU8(117, 0);
    frame->SetU8(178, 1);
    frame->SetI16(180, 70);
    frame->SetI16(182, 50);
    EXPECT_EQ(Body1(Ref(inputStat, frame->Index())),
              "<DIV class=s0 >\r\n<IFRAME  FRAMEBORDER=\"no\"  NAME=\"side\" HEIGHT=70% WIDTH=50%  "
              "SRC=\"ab-000001.html\" TARGET=_top  BORDERCOLOR=#00FF00 SCROLLING=yes >\r\n</IFRAME>\r\n&nbsp;</DIV>\r\n");
    ASSERT_EQ(frameDocuments.Size(), 1u);
    EXPECT_EQ(frameDocuments[0], target);
}

TEST_F(HtmlObjectsTest, SoundAndVideo)
{
    TUVAoggetto* sound = AddFile("tune.mid");
    TUVAoggetto* movie = AddFile("film.mov");
    TUVAoggetto* poster = AddPicture("poster.gif");
    TUVAoggetto* a = Add(multiMedia, 1);
    a->SetI32(17, MakeRef(genLink, sound->Index()));
    a->SetI32(21, -1);
    a->SetU8(25, 1);
    a->SetI16(27, -1);
    TUVAoggetto* v = Add(multiMedia, 3);
    v->SetI32(17, MakeRef(genLink, movie->Index()));
    v->SetI32(21, poster->Index());
    v->SetU8(25, 0);
    v->SetI16(33, 320);
    v->SetI16(35, 240);
    v->SetU8(37, 0);
    poster->SetU8(89, 4);
    EXPECT_EQ(Body1(Ref(multiMedia, a->Index()) + Ref(multiMedia, v->Index())),
              "<DIV class=s0 >\r\n<EMBED SRC=\"ab_g000000.mid\" AUTOSTART=true HIDDEN=true LOOP=true>\r\n</EMBED>\r\n"
              "<EMBED SRC=\"film.mov\" WIDTH=320 HEIGHT=240 CONTROLS=true  URL=\"http://www.apple.com/quicktime/download/\" >"
              "<IMG BORDER=0 ALIGN=MIDDLE ALT=\"pic\" SRC=\"ab_i000000.gif\" HEIGHT=240 WIDTH=320 ></EMBED>\r\n"
              "&nbsp;</DIV>\r\n");
    EXPECT_EQ(resources.Size(), 3u);
}

TEST_F(HtmlObjectsTest, CustomObjectExpandsItsPrototypeTemplate)
{
    TUVAoggetto* file = AddFile("doc.pdf");
    TUVAoggetto* proto = Add(custom, 1);
    auto le32 = [](std::vector<std::uint8_t>& v, std::int32_t x) {
        for (int k = 0; k < 4; ++k)
            v.push_back(static_cast<std::uint8_t>(static_cast<std::uint32_t>(x) >> (8 * k)));
    };
    std::vector<std::uint8_t> definitions;
    le32(definitions, 4);
    le32(definitions, MakeRef(genLink, file->Index()));
    le32(definitions, 6);
    const std::string declared = "Colour\r\n3\r\nPage\r\n6\r\nLabel\r\n1\r\n";
    definitions.insert(definitions.end(), declared.begin(), declared.end());
    proto->SetContentBytes(definitions);
    const std::string tmpl = "<div style='color:#!ReCP:colour!'>!ReCP:Label! <a href='!ReCP:page!'>p</a> "
                             "<a href='!ReCF:00000000'>f</a> !ReCP:missing! !RefX:00000000x!RefY:00000000 !Rex</div>";
    std::vector<std::uint8_t> props(4, 0);
    props.insert(props.end(), tmpl.begin(), tmpl.end());
    proto->SetPropertiesBytes(props);

    TUVAoggetto* instance = Add(multiMedia, 6);
    instance->SetI32(17, proto->GetRef());
    instance->SetI16(33, 120);
    instance->SetI16(35, 80);
    instance->SetU8(37, 0);
    std::vector<std::uint8_t> values;
    le32(values, 6);
    const std::string given = "colour\r\n#FF8000\r\nlabel\r\nHi\r\npage\r\n1\r\n";
    values.insert(values.end(), given.begin(), given.end());
    instance->SetContentBytes(values);

    EXPECT_EQ(Body1(Ref(multiMedia, instance->Index())),
              "<DIV class=s0 >\r\n<div style='color:#FF8000'>Hi <a href='ab_000001.html'>p</a> "
              "<a href='ab_g000000.pdf'>f</a>  120x80 !Rex</div>&nbsp;</DIV>\r\n");
    EXPECT_TRUE(resources.Contains(file));
}

// ---------------------------------------------------------------------------
// Special links

struct SpecialCase {
    const char* name;
    int kind;
    int mode;
    int anchor;
    int withFrames;
    std::string_view target;
    unsigned needs;
};

class SpecialLinks : public HtmlObjectsTest, public ::testing::WithParamInterface<SpecialCase> {};

TEST_P(SpecialLinks, GiveTheirTargetPart)
{
    const SpecialCase& c = GetParam();
    TUVAoggetto* link = Add(speclink, c.kind);
    records::SpecialLinkRecord rec(link->Record().data());
    rec.SetAction(static_cast<std::uint8_t>(c.mode));
    rec.SetAnchor(c.anchor);
    rec.SetTarget(target->Index());
    rec.SetTargetKind(static_cast<std::uint8_t>(c.withFrames));
    rec.SetWindowName("Zu");
    link->FreeContent();
    const std::string html = Body1(Ref(speclink, link->Index()) + "x<%>");
    EXPECT_EQ(html, "<DIV class=s0 >\r\n<A class=s0 " + std::string(c.target) + " >x</A>&nbsp;</DIV>\r\n");
    EXPECT_EQ(ctx.scriptNeeds, c.needs);
}

INSTANTIATE_TEST_SUITE_P(Table, SpecialLinks, ::testing::Values(
    SpecialCase{"ReplaceWindow", 1, 0, -1, 0, "TARGET=_self HREF=\"ab-000001.html\" ", 0},
    SpecialCase{"NamedFrame", 1, 1, -1, 1, "TARGET=\"Zu\" HREF=\"ab_000001.html\" ", 0},
    SpecialCase{"Window", 1, 2, 3, 0,
                "HREF=\"javascript:QuorF_open('ab-000001.html#an3','Zu',''," "'Pag2');\" ", kNeedOpenWindow},
    SpecialCase{"Browser", 1, 3, -1, 0, "HREF=\"javascript:QuorF_openB('ab-000001.html');\" ", kNeedOpenPlainWindow},
    SpecialCase{"JumpWithAnchor", 1, 5, 2, 1, "HREF=\"ab_000001.html#an2\" ", 0},
    SpecialCase{"AnchorHere", 1, 6, 2, 0, "HREF=\"#an2\" TARGET=_self ", 0},
    SpecialCase{"Close", 2, 0, -1, 0, "HREF=\"javascript:QuorF_close('Zu');\"  ", kNeedCloseWindow},
    SpecialCase{"UnknownMode", 1, 9, -1, 0, "", 0}),
    [](const ::testing::TestParamInfo<SpecialCase>& info) { return std::string(info.param.name); });

TEST_F(HtmlObjectsTest, WindowFeaturesFollowTheWindowRecord)
{
    WindowRecord r;
    r.width = 300;
    r.height = 200;
    r.resizable = true;
    r.scrollBars = true;
    EXPECT_EQ(SpecialLinkHtml::WindowFeatures(r), ",'height=200,width=300,dependent=0,fullscreen=0,location=0,"
                                                  "menubar=0,resizable=1,scrollbars=1,status=0,toolbar=0'");
    r.left = 5;
    r.top = 6;
    r.screenX = 7;
    r.screenY = 8;
    r.dependent = true;
    EXPECT_EQ(SpecialLinkHtml::WindowFeatures(r), ",'height=200,width=300,screenX=7,left=5,screenY=8,top=6,"
                                                  "dependent=1,fullscreen=0,location=0,menubar=0,resizable=1,"
                                                  "scrollbars=1,status=0,toolbar=0'");
    EXPECT_EQ(SpecialLinkHtml::WindowFeatures(std::nullopt), ",''");
}

TEST_F(HtmlObjectsTest, WindowOpenerWritesALoadTimeScript)
{
    TUVAoggetto* link = Add(speclink, 1);
    records::SpecialLinkRecord rec(link->Record().data());
    rec.SetAction(2);
    rec.SetAnchor(-1);
    rec.SetTarget(target->Index());
    rec.SetTargetKind(1);
    rec.SetWindowName("my win");
    std::vector<std::uint8_t> window(22, 0);
    const std::int16_t notGiven = kNotGiven, width = 100, height = 50;
    for (std::size_t off : {0u, 8u})
        std::memcpy(window.data() + off, &notGiven, 2);
    std::memcpy(window.data() + 4, &width, 2);
    std::memcpy(window.data() + 6, &height, 2);
    link->SetContentBytes(window);
    TUVAoggetto* opener = Add(shortObj, 13);
    opener->SetI32(5, link->GetRef());
    EXPECT_EQ(Body1(Ref(shortObj, opener->Index())),
              "<DIV class=s0 >\r\n\r\n<SCRIPT>\r\n<!--//\r\n  my_win=QuorF_open('ab_000001.html','my win',"
              "'height=50,width=100,dependent=0,fullscreen=0,location=0,menubar=0,resizable=0,scrollbars=0,status=0,"
              "toolbar=0','Pag2');\r\n//-->\r\n</SCRIPT>\r\n&nbsp;</DIV>\r\n");
    EXPECT_EQ(ctx.scriptNeeds, kNeedOpenWindow);
}

} // namespace
} // namespace quor::testing
