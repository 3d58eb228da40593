// ExportedNameTest.cpp: the naming rule of exported files and the reduction of
// names taken from the document to safe base names.
#include "HtmlExportFixture.h"

#include "conversion/HtmlText.h"
#include "model/HeaderLayout.h"

namespace quor::testing {
namespace {

class ExportedNameTest : public HtmlExportTest {};

TEST_F(ExportedNameTest, PagesAreNamedByIndexExceptTheCoverPage)
{
    TUVAtesto* cover = AddPage("<Z S0 >");
    TUVAtesto* page31 = nullptr;
    for (int i = 1; i <= 31; ++i)
        page31 = AddPage("<Z S0 >");
    header::SetCoverPage(doc.Header(), 0);

    EXPECT_EQ(conv.ExportedName(cover, kPageFile), "ab_index.html");
    EXPECT_EQ(conv.ExportedName(page31, kPageFile), "ab_00001f.html");
    EXPECT_EQ(conv.ExportedName(page31, kFrameDocument), "ab-00001f.html");
    conv.ExpTipoExt = 0;
    EXPECT_EQ(conv.ExportedName(page31, kPageFile), "ab_00001f.htm");

    // The cover page is "index" whatever its index.
    header::SetCoverPage(doc.Header(), 31);
    EXPECT_EQ(conv.ExportedName(page31, kPageFile), "ab_index.htm");
    EXPECT_EQ(conv.ExportedName(cover, kPageFile), "ab_000000.htm");
    EXPECT_EQ(conv.StyleSheetName(), "ab_style.css");
}

TEST_F(ExportedNameTest, PicturesAndFilesFollowTheOptions)
{
    TUVAoggetto* pic = AddPicture("Photo.JPG");
    TUVAoggetto* placement = AddPlacement(pic);
    TUVAoggetto* pdf = AddFile("manual.pdf");
    TUVAoggetto* applet = AddFile("Applet.CLASS");
    TUVAoggetto* movie = AddFile("clip.mov");

    EXPECT_EQ(conv.ExportedName(pic, kResourceFile), "ab_i000000.JPG");
    EXPECT_EQ(conv.ExportedName(placement, kPageFile), "ab_i000000.JPG");
    EXPECT_EQ(conv.ExportedName(pdf, kPageFile), "ab_g000000.pdf");
    EXPECT_EQ(conv.ExportedName(applet, kPageFile), "Applet.CLASS");
    EXPECT_EQ(conv.ExportedName(movie, kPageFile), "clip.mov");

    conv.ExpOrigName = true;
    conv.ExpSepImage = true;
    EXPECT_EQ(conv.ExportedName(pic, kPageFile), "images/Photo.JPG");
    EXPECT_EQ(conv.ExportedName(pdf, kResourceFile), "images/manual.pdf");
}

TEST_F(ExportedNameTest, AddressesAndQuorLinks)
{
    AddPage("<Z S0 >");
    AddPage("<Z S0 >");
    EXPECT_EQ(conv.ExportedName(AddAddress("http://example.org/a?b=1"), kPageFile), "http://example.org/a?b=1");
    // A "quor:" address into this hypertext leads to the exported page itself.
    EXPECT_EQ(conv.ExportedName(AddAddress("quor:|1"), kPageFile), "ab_000001.html");
    EXPECT_EQ(conv.ExportedName(AddAddress("quor:"), kPageFile), "ab_index.html");
    // Another hypertext that does not exist gives no name.
    EXPECT_EQ(conv.ExportedName(AddAddress("quor:///nowhere/missing.uva|3"), kPageFile), "");
    // Objects that are not files have no name.
    EXPECT_EQ(conv.ExportedName(Add(keyword), kPageFile), "");
}

// Nothing stored in a hypertext may lead outside the export folder.
TEST_F(ExportedNameTest, NamesFromTheDocumentAreReducedToSafeBaseNames)
{
    doc.SetExpPrefix("../../x");
    TUVAoggetto* pic = AddPicture("..\\..\\evil.gif");
    TUVAoggetto* odd = AddPicture("a.gif/../../../etc");
    TUVAoggetto* file = AddFile("/etc/passwd");
    EXPECT_EQ(conv.SafePrefix(), "x");
    EXPECT_EQ(conv.ExportedName(pic, kResourceFile), "x_i000000.gif");
    EXPECT_EQ(conv.ExportedName(odd, kResourceFile), "x_i000001");
    conv.ExpOrigName = true;
    EXPECT_EQ(conv.ExportedName(pic, kResourceFile), "evil.gif");
    EXPECT_EQ(conv.ExportedName(odd, kResourceFile), "etc");
    EXPECT_EQ(conv.ExportedName(file, kResourceFile), "passwd");

    TUVAtesto* page = AddPage("<Z S0 >");
    records::PageRecord(page->Record().data()).SetAlias("../../../pwn.htm");
    EXPECT_EQ(conv.RedirectName(page), "pwn.htm");
    records::PageRecord(page->Record().data()).SetAlias(" .. ");
    EXPECT_EQ(conv.RedirectName(page), "");
    EXPECT_EQ(conv.RedirectPageText(page), "");
}

struct SafeNameCase {
    std::string_view in;
    std::string_view base;
    std::string_view extension;
};

class SafeNames : public ::testing::TestWithParam<SafeNameCase> {};

TEST_P(SafeNames, KeepOnlyAPlainName)
{
    EXPECT_EQ(html::SafeBaseName(GetParam().in), GetParam().base);
    EXPECT_EQ(html::SafeExtension(GetParam().in), GetParam().extension);
}

INSTANTIATE_TEST_SUITE_P(Table, SafeNames, ::testing::Values(
    SafeNameCase{"photo.gif", "photo.gif", ".gif"},
    SafeNameCase{"my photo.jpeg", "my photo.jpeg", ".jpeg"},
    SafeNameCase{"../../up.gif", "up.gif", ".gif"},
    SafeNameCase{"C:\\dir\\pic.bmp", "pic.bmp", ".bmp"},
    SafeNameCase{"..", "", ""},
    SafeNameCase{" . ", "", ""},
    SafeNameCase{".hidden", "hidden", ".hidden"},
    SafeNameCase{"a:b*c?d\"e<f>g|h#i%j'k", "a_b_c_d_e_f_g_h_i_j_k", ""},
    SafeNameCase{"x.g\x01if", "x.g_if", ".g_if"},
    SafeNameCase{"noext", "noext", ""},
    SafeNameCase{"caf\xE9.png", "caf\xE9.png", ".png"}));

} // namespace
} // namespace quor::testing
