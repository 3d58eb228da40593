// ExportDriverTest.cpp: the export driver writing a site into a folder: which
// files, in which phases, each once; safety of names; failures reported.
#include "HtmlExportFixture.h"

#include "model/HeaderLayout.h"

namespace quor::testing {
namespace {

class ExportDriverTest : public HtmlExportTest {
protected:
    void SetUp() override
    {
        conv.ExportPath = (out.Path() / "site").string();
        conv.OnExpProgress = [this](TUVAconv&, int pag, int tot, int phase) {
            progress.push_back({pag, tot, phase});
        };
    }
    std::vector<int> AllPages() const
    {
        std::vector<int> v;
        for (int i = 0; i < doc.ObjectCount(testoHtml); ++i)
            v.push_back(i);
        return v;
    }
    std::filesystem::path Site() const { return out.Path() / "site"; }

    struct Step {
        int pag, tot, phase;
        bool operator==(const Step&) const = default;
    };
    TempFolder out;
    std::vector<Step> progress;
};

// A small site: the cover page and page 1 show the same picture, page 1
// links an attached file and shows page 3 in a floating frame, page 2 is
// deleted.
TEST_F(ExportDriverTest, WritesEachPageFrameDocumentAndResourceOnce)
{
    TUVAoggetto* pic = AddPicture("photo.gif", "GIF89a-bytes");
    TUVAoggetto* file = AddFile("notes.txt", "hello");
    TUVAoggetto* frame = Add(inputStat, 18);
    frame->SetI32(108, 3);
    frame->SetU8(116, 0);
    AddPage("<Z S0 >" + Ref(immagineNew, AddPlacement(pic)->Index()));
    AddPage("<Z S0 >" + Ref(immagineNew, AddPlacement(pic)->Index()) + Ref(genLink, file->Index()) + "f<%>" +
            Ref(inputStat, frame->Index()));
    TUVAtesto* gone = AddPage("<Z S0 >deleted");
    AddPage("<Z S0 >framed");
    gone->Clear();

    ASSERT_TRUE(conv.ExportPages(AllPages())) << conv.LastError();
    EXPECT_EQ(FilesBelow(Site()), (std::vector<std::string>{"ab-000003.html", "ab_000001.html", "ab_000003.html",
                                                             "ab_g000000.txt", "ab_i000000.gif", "ab_index.html",
                                                             "ab_style.css"}));
    EXPECT_EQ(conv.WrittenFiles(),
              (std::vector<std::string>{"ab_style.css", "ab_index.html", "ab_000001.html", "ab_000003.html",
                                        "ab-000003.html", "ab_i000000.gif", "ab_g000000.txt"}));
    EXPECT_EQ(ReadFile(Site() / "ab_i000000.gif"), "GIF89a-bytes");
    EXPECT_EQ(ReadFile(Site() / "ab_g000000.txt"), "hello");
    EXPECT_TRUE(conv.ExportErrors().empty());
    EXPECT_EQ(progress, (std::vector<Step>{{0, 3, 1}, {1, 3, 1}, {2, 3, 1}, {0, 1, 2}, {0, 2, 3}, {1, 2, 3}}));
}

TEST_F(ExportDriverTest, AnEmptyPageListWritesOnlyTheStyleSheet)
{
    AddPages(2);
    ASSERT_TRUE(conv.ExportPages({}));
    EXPECT_EQ(FilesBelow(Site()), std::vector<std::string>{"ab_style.css"});
}

TEST_F(ExportDriverTest, PicturesGoIntoImagesWhenAsked)
{
    TUVAoggetto* pic = AddPicture("p.png");
    AddPage("<Z S0 >" + Ref(immagineNew, AddPlacement(pic)->Index()));
    conv.ExpSepImage = true;
    conv.ExpTipoExt = 0;
    ASSERT_TRUE(conv.ExportPages(AllPages()));
    EXPECT_EQ(FilesBelow(Site()), (std::vector<std::string>{"ab_index.htm", "ab_style.css", "images/ab_i000000.png"}));
    EXPECT_NE(ReadFile(Site() / "ab_index.htm").find("<IMG SRC=\"images/ab_i000000.png\""), std::string::npos);
}

// Frame documents met while writing frame documents are written as well, so
// every SRC of the site resolves.
TEST_F(ExportDriverTest, NestedFloatingFramesGetTheirFrameDocuments)
{
    TUVAoggetto* outer = Add(inputStat, 18);
    outer->SetI32(108, 1);
    outer->SetU8(116, 0);
    TUVAoggetto* inner = Add(inputStat, 18);
    inner->SetI32(108, 2);
    inner->SetU8(116, 0);
    AddPage("<Z S0 >" + Ref(inputStat, outer->Index()));
    AddPage("<Z S0 >" + Ref(inputStat, inner->Index()));
    AddPage("<Z S0 >leaf");
    ASSERT_TRUE(conv.ExportPages({0}));
    EXPECT_EQ(FilesBelow(Site()),
              (std::vector<std::string>{"ab-000001.html", "ab-000002.html", "ab_index.html", "ab_style.css"}));
}

TEST_F(ExportDriverTest, NothingIsWrittenOutsideTheExportFolder)
{
    doc.SetExpPrefix("../../esc");
    TUVAoggetto* pic = AddPicture("..\\..\\evil.gif");
    TUVAoggetto* file = AddFile("../../../tmp/x.txt");
    TUVAtesto* page = AddPage("<Z S0 >" + Ref(immagineNew, AddPlacement(pic)->Index()) + Ref(genLink, file->Index()) + "x<%>");
    records::PageRecord(page->Record().data()).SetAlias("../../redirect.htm");
    conv.ExpOrigName = true;
    conv.WriteRedirects = true;
    ASSERT_TRUE(conv.ExportPages(AllPages())) << conv.LastError();
    EXPECT_EQ(FilesBelow(out.Path()), (std::vector<std::string>{"site/esc_index.html", "site/esc_style.css",
                                                                 "site/evil.gif", "site/redirect.htm", "site/x.txt"}));
}

TEST_F(ExportDriverTest, RedirectPagesNeverReplaceExportedFiles)
{
    AddPage("<Z S0 >cover");
    TUVAtesto* page = AddPage("<Z S0 >x");
    records::PageRecord(page->Record().data()).SetAlias("AB_INDEX.html");
    conv.WriteRedirects = true;
    ASSERT_TRUE(conv.ExportPages(AllPages()));
    EXPECT_NE(ReadFile(Site() / "ab_index.html").find("cover"), std::string::npos);
    ASSERT_EQ(conv.ExportErrors().size(), 1u);
}

TEST_F(ExportDriverTest, AResourceThatCannotBeWrittenIsReported)
{
    TUVAoggetto* a = AddPicture("a.gif", "A");
    TUVAoggetto* b = AddPicture("b.gif", "B");
    AddPage("<Z S0 >" + Ref(immagineNew, AddPlacement(a)->Index()) + Ref(immagineNew, AddPlacement(b)->Index()));
    // A folder where the first picture should go makes its file impossible to write.
    std::filesystem::create_directories(Site() / "ab_i000000.gif");
    ASSERT_TRUE(conv.ExportPages(AllPages()));
    EXPECT_EQ(ReadFile(Site() / "ab_i000001.gif"), "B");
    ASSERT_EQ(conv.ExportErrors().size(), 1u);
    EXPECT_NE(conv.ExportErrors()[0].find("ab_i000000.gif"), std::string::npos);
    ASSERT_EQ(messages.Messages().size(), 1u);
    EXPECT_EQ(messages.Messages()[0].kind, MessageKind::Warning);
}

TEST_F(ExportDriverTest, AFolderThatCannotBeMadeStopsTheExport)
{
    AddPages(1);
    std::ofstream(out.Path() / "file") << "x";
    conv.ExportPath = (out.Path() / "file" / "site").string();
    EXPECT_FALSE(conv.ExportPages(AllPages()));
    EXPECT_TRUE(conv.LastError().starts_with("Error creating directory: \"")) << conv.LastError();
    EXPECT_TRUE(conv.WrittenFiles().empty());
}

TEST_F(ExportDriverTest, ExportPageCollectsWithoutWritingResources)
{
    TUVAoggetto* pic = AddPicture("p.gif");
    TUVAoggetto* frame = Add(inputStat, 18);
    frame->SetI32(108, 1);
    frame->SetU8(116, 0);
    AddPage("<Z S0 >" + Ref(immagineNew, AddPlacement(pic)->Index()) + Ref(inputStat, frame->Index()));
    AddPage("<Z S0 >framed");
    ExportList collected, pages;
    ASSERT_TRUE(conv.ExportPage(collected, pages, 0));
    EXPECT_EQ(FilesBelow(Site()), (std::vector<std::string>{"ab-000001.html", "ab_index.html", "ab_style.css"}));
    ASSERT_EQ(collected.Size(), 1u);
    EXPECT_EQ(collected[0], pic);
    EXPECT_EQ(pages.Size(), 2u);
    EXPECT_EQ(progress.front(), (Step{1, 1, 1}));
}

} // namespace
} // namespace quor::testing
