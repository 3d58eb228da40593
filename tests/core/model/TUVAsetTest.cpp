// Document lifecycle, header of a new document, object registry and styles.
#include "model/TUVAset.h"
#include "model/TUVAtesto.h"
#include "model/AnsiCase.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace quor {
namespace {

using namespace header;

std::unique_ptr<TUVAoggetto> LivePage(TUVAset& doc, std::string_view title)
{
    auto p = TUVAoggetto::CreateCleared(&doc, testoHtml);
    p->MarkInUse();
    static_cast<TUVAtesto*>(p.get())->SetTitle(title);
    return p;
}

TEST(NewDocument, HeaderHoldsTheDefaults)
{
    TUVAset doc;
    const HeaderBytes& h = doc.Header();
    EXPECT_EQ(GetMagic(h), "MORV");
    EXPECT_EQ(Title(h), "Untitled");
    EXPECT_EQ(LastKind(h), 26);
    EXPECT_EQ(Version(h), 2);
    EXPECT_EQ(Revision(h), 2);
    EXPECT_EQ(ReadOnly(h), 0);
    EXPECT_EQ(NoCoverButton(h), 1);
    EXPECT_EQ(NoButtons(h), 1);
    EXPECT_EQ(ContentsButton(h) + SearchButton(h) + HelpButton(h) + h[1640], 0);
    EXPECT_EQ(FixedFont(h), "Courier New");
    EXPECT_EQ(ProportionalFont(h), "Times New Roman");
    EXPECT_EQ(PixelsPerInch(h), TUVAset::ScreenPixelsPerInch());
    EXPECT_EQ(Authors(h), TUVAset::LoggedOnUserName());
    EXPECT_LE(Authors(h).size(), 79u);
    EXPECT_EQ(Password(h), "");
    EXPECT_EQ(ExportPrefix(h), "");
    EXPECT_EQ(GlobalHeaderPage(h), -1);
    EXPECT_EQ(GlobalFooterPage(h), -1);
    EXPECT_EQ(PageTreeObject(h), 0);
    EXPECT_EQ(CustomTreeObject(h), 0);
    EXPECT_EQ(BackgroundColour(h), 0xC0C0C0u);
    EXPECT_EQ(TextColour(h), 0u);
    EXPECT_EQ(LinkColour(h), 0xFF0000u);
    EXPECT_EQ(VisitedLinkColour(h), 0x0000FFu);
    EXPECT_EQ(BackgroundImage(h), -1);
    EXPECT_EQ(Language(h), 1033);
    EXPECT_EQ(GetInformation(h), "");
    for (std::size_t i = kReserved.offset; i < kHeaderSize; ++i)
        ASSERT_EQ(h[i], 0) << i;
}

TEST(NewDocument, HasExactlyTheTwoDefaultStylesAndIsUnmodified)
{
    TUVAset doc;
    int total = 0;
    for (int k = 0; k < kKindCount; ++k)
        total += static_cast<int>(doc.List(k).size());
    EXPECT_EQ(total, 2);
    ASSERT_EQ(doc.ObjectCount(stileParagrafo), 2);
    TUVAoggetto* plain = doc.GetObject(stileParagrafo, 0);
    TUVAoggetto* intab = doc.GetObject(stileParagrafo, 1);
    EXPECT_EQ(plain->GetName(), "[no style]");
    EXPECT_EQ(intab->GetName(), "[no style intab]");
    EXPECT_EQ(plain->SubKind(), 1);
    EXPECT_EQ(intab->SubKind(), 1);
    EXPECT_EQ(plain->I16(86), 10);
    EXPECT_EQ(plain->I16(88), 10);
    EXPECT_EQ(intab->I16(86), 0);
    EXPECT_EQ(intab->I16(88), 0);
    EXPECT_EQ(doc.DefaultStyle(), plain);
    EXPECT_EQ(doc.DefaultTableStyle(), intab);
    EXPECT_FALSE(doc.Modified());
}

TEST(NewDocument, FiresHooksAroundTheReset)
{
    TUVAset doc;
    std::vector<std::string> calls;
    doc.OnBeforeNew = [&] { calls.push_back("before:" + std::to_string(doc.ObjectCount(testoHtml))); };
    doc.OnAfterNew = [&] { calls.push_back("after:" + std::to_string(doc.ObjectCount(testoHtml))); };
    doc.Register(LivePage(doc, "p"));
    doc.NewDocument();
    EXPECT_EQ(calls, (std::vector<std::string>{"before:1", "after:0"}));
}

TEST(Registry, AppendsThenReusesTheFirstDeletedSlot)
{
    TUVAset doc;
    for (int i = 0; i < 5; ++i)
        doc.Register(LivePage(doc, "p" + std::to_string(i)));
    doc.GetObject(testoHtml, 3)->Clear();
    doc.GetObject(testoHtml, 1)->Clear();
    std::unique_ptr<TUVAoggetto> p = LivePage(doc, "new");
    EXPECT_EQ(doc.RegisterObject(testoHtml, -1, p), 1);
    EXPECT_EQ(p, nullptr);
    p = LivePage(doc, "next");
    EXPECT_EQ(doc.RegisterObject(testoHtml, 0x1000000, p), 3);
    p = LivePage(doc, "last");
    EXPECT_EQ(doc.RegisterObject(testoHtml, -1, p), 5);
    TUVAoggetto* o = doc.GetObject(testoHtml, 5);
    EXPECT_TRUE(o->Registered());
    EXPECT_EQ(o->Index(), 5);
    EXPECT_EQ(o->Owner(), &doc);
}

TEST(Registry, EveryRegistrationMarksTheDocumentModified)
{
    TUVAset doc;
    ASSERT_FALSE(doc.Modified());
    doc.Register(LivePage(doc, "appended"));
    EXPECT_TRUE(doc.Modified());
    doc.SetModified(false);
    doc.Register(LivePage(doc, "replacing"), 0);
    EXPECT_TRUE(doc.Modified());
}

TEST(Registry, ReplacingASlotDestroysTheOldObjectAndAnEmptySlotRefuses)
{
    TUVAset doc;
    doc.Register(LivePage(doc, "old"));
    doc.Register(LivePage(doc, "second"));
    std::unique_ptr<TUVAoggetto> p = LivePage(doc, "replacement");
    EXPECT_EQ(doc.RegisterObject(testoHtml, 0, p), 0);
    EXPECT_EQ(static_cast<TUVAtesto*>(doc.GetObject(testoHtml, 0))->Title(), "replacement");

    std::unique_ptr<TUVAoggetto> emptied = doc.EmptySlot(testoHtml, 1);
    ASSERT_NE(emptied, nullptr);
    EXPECT_FALSE(emptied->Registered());
    EXPECT_EQ(doc.GetObject(testoHtml, 1), nullptr);
    p = LivePage(doc, "refused");
    EXPECT_EQ(doc.RegisterObject(testoHtml, 1, p), -1);
    EXPECT_NE(p, nullptr);  // the caller keeps a refused object
    p = LivePage(doc, "beyond");
    EXPECT_EQ(doc.RegisterObject(testoHtml, 40, p), 2);
}

TEST(Registry, LookupsOfInvalidReferencesGiveNothing)
{
    TUVAset doc;
    doc.Register(LivePage(doc, "p"));
    EXPECT_EQ(doc.ObjectCount(26), 0);
    EXPECT_EQ(doc.ObjectCount(25), 0);
    EXPECT_EQ(doc.ObjectCount(-1), 0);
    auto stray = std::make_unique<TUVAoggetto>(&doc, none);
    doc.List(none).push_back(std::move(stray));  // even when a list exists
    EXPECT_EQ(doc.GetObject(none, 0), nullptr);
    EXPECT_EQ(doc.GetObject(testoHtmlRtf, 0), nullptr);
    EXPECT_EQ(doc.GetObject(testoHtml, 1), nullptr);
    EXPECT_EQ(doc.GetObject(testoHtml, -1), nullptr);
    EXPECT_EQ(doc.GetObject(testoHtml, 0x1000000), nullptr);
    EXPECT_EQ(doc.GetObjectByRef(kNoRef), nullptr);
    EXPECT_EQ(doc.GetObjectByRef(MakeRef(stileParagrafo, 1)), doc.GetObject(stileParagrafo, 1));
    EXPECT_EQ(doc.GetObjectByRef(0), doc.GetObject(testoHtml, 0));
}

TEST(Registry, LegacyKindsResolveThroughTheTranslationLists)
{
    TUVAset doc;
    auto image = TUVAoggetto::CreateCleared(&doc, immagine);
    image->MarkInUse();
    TUVAoggetto* img = doc.Register(std::move(image));
    auto file = TUVAoggetto::CreateCleared(&doc, genLink);
    file->MarkInUse();
    TUVAoggetto* att = doc.Register(std::move(file));
    doc.AddTranslation(MakeRef(mappaClic, 4), img->GetRef());
    doc.AddTranslation(MakeRef(zipLink, 2), att->GetRef());
    EXPECT_EQ(doc.GetObjectByRef(MakeRef(mappaClic, 4)), img);
    EXPECT_EQ(doc.GetObject(zipLink, 2), att);
    EXPECT_EQ(doc.GetObject(mappaClic, 0), nullptr);
}

TEST(Registry, FindEqualByNameAndPageName)
{
    TUVAset doc;
    auto link = TUVAoggetto::CreateCleared(&doc, internetLink);
    link->MarkInUse();
    link->SetName("http://a.example/");
    TUVAoggetto* a = doc.Register(std::move(link));
    TUVAoggetto probe(&doc, internetLink);
    probe.Clear();
    probe.MarkInUse();
    probe.SetName("http://a.example/");
    EXPECT_EQ(doc.FindEqual(probe), a);
    probe.SetName("HTTP://A.EXAMPLE/");
    EXPECT_EQ(doc.FindEqual(probe), nullptr);  // exact comparison
    EXPECT_EQ(doc.FindByName(probe), a);       // lower-case comparison
    a->Clear();
    EXPECT_EQ(doc.FindByName(probe), nullptr);

    auto page = LivePage(doc, "t");
    const std::string name = "Intro";
    std::vector<std::uint8_t> props = {9, 0, 0, 0, 5, 0, 0, 0};
    props.insert(props.end(), name.begin(), name.end());
    page->SetPropertiesBytes(props);
    TUVAoggetto* p = doc.Register(std::move(page));
    EXPECT_EQ(doc.FindPageByName("INTRO"), p);
    EXPECT_EQ(doc.FindPageByName("intro"), p);
    EXPECT_EQ(doc.FindPageByName("outro"), nullptr);
}

TEST(Registry, PasswordDependsOnVersionAndReadOnlyFlag)
{
    TUVAset doc;
    SetPassword(doc.Header(), "secret");
    EXPECT_EQ(doc.GetPassword(), ".");
    SetReadOnly(doc.Header(), 1);
    EXPECT_EQ(doc.GetPassword(), "secret");
    SetVersion(doc.Header(), 1);
    EXPECT_EQ(doc.GetPassword(), "");
}

TEST(Registry, TreeObjectsAreMadeOnceAndRecordedInTheHeader)
{
    TUVAset doc;
    TUVAoggetto* tree = doc.PageTreeObject();
    ASSERT_NE(tree, nullptr);
    EXPECT_EQ(tree->Kind(), shortObj);
    EXPECT_EQ(tree->SubKind(), 10);
    EXPECT_EQ(header::PageTreeObject(doc.Header()), tree->GetRef());
    EXPECT_EQ(doc.PageTreeObject(), tree);
    TUVAoggetto* custom = doc.CustomTreeObject();
    EXPECT_NE(custom, tree);
    EXPECT_EQ(header::CustomTreeObject(doc.Header()), custom->GetRef());
    // A header naming a missing object gets a new one.
    header::SetPageTreeObject(doc.Header(), MakeRef(shortObj, 77));
    TUVAoggetto* again = doc.PageTreeObject();
    EXPECT_NE(again, nullptr);
    EXPECT_EQ(header::PageTreeObject(doc.Header()), again->GetRef());
}

class Styles : public ::testing::Test {
protected:
    TUVAoggetto* AddStyle(std::string_view name)
    {
        auto s = TUVAoggetto::CreateCleared(&doc, stileParagrafo);
        s->MarkInUse();
        s->SetName(name);
        return doc.Register(std::move(s));
    }
    TUVAset doc;
};

TEST_F(Styles, LookupsCompareNamesIgnoringCase)
{
    TUVAoggetto* title = AddStyle("Title");
    EXPECT_EQ(doc.StyleIndex("TITLE"), 2);
    EXPECT_TRUE(doc.StyleExists("title"));
    EXPECT_EQ(doc.FindStyle("tItLe"), title);
    title->Clear();
    EXPECT_EQ(doc.StyleIndex("Title"), -1);
    EXPECT_EQ(doc.FindStyle("Title"), nullptr);
}

TEST_F(Styles, UniqueNamesTakeTheSmallestFreeNumber)
{
    AddStyle("Body");
    AddStyle("Body 1");
    EXPECT_EQ(doc.UniqueStyleName("Free"), "Free");
    EXPECT_EQ(doc.UniqueStyleName("body"), "body 2");
}

TEST_F(Styles, NamesAreSortedAndDuplicatesFixed)
{
    AddStyle("b");
    AddStyle("A");
    AddStyle("a");
    AddStyle("b");
    EXPECT_EQ(doc.StyleNames(), (std::vector<std::string>{"A", "[no style intab]", "[no style]", "a", "b", "b"}));
    doc.FixStyleNames();
    EXPECT_EQ(doc.GetObject(stileParagrafo, 3)->GetName(), "A");
    EXPECT_EQ(doc.GetObject(stileParagrafo, 4)->GetName(), "a 1");
    EXPECT_EQ(doc.GetObject(stileParagrafo, 5)->GetName(), "b 1");
}

TEST_F(Styles, FixedNamesStayWithinTheField)
{
    const std::string full(32, 'x');
    AddStyle(full);
    TUVAoggetto* dup = AddStyle(full);
    doc.FixStyleNames();
    const std::string fixed = dup->GetName();
    EXPECT_LE(fixed.size(), 32u);
    EXPECT_NE(AnsiLower(fixed), AnsiLower(full));
    EXPECT_EQ(doc.StyleIndex(fixed), dup->Index());
}

struct BrowseCase {
    std::vector<std::pair<int, int>> pages;  // (group, order) per page
    int current;
    int previous;
    int next;
};

class BrowseSequence : public ::testing::TestWithParam<BrowseCase> {};

TEST_P(BrowseSequence, FindsNeighboursInTheSameGroup)
{
    TUVAset doc;
    for (auto [group, order] : GetParam().pages) {
        auto p = LivePage(doc, "p");
        p->SetI16(page::kBrowseGroup, static_cast<std::int16_t>(group));
        p->SetI16(page::kBrowseOrder, static_cast<std::int16_t>(order));
        doc.Register(std::move(p));
    }
    EXPECT_EQ(doc.PreviousPage(GetParam().current), GetParam().previous);
    EXPECT_EQ(doc.NextPage(GetParam().current), GetParam().next);
}

INSTANTIATE_TEST_SUITE_P(Cases, BrowseSequence, ::testing::Values(
    BrowseCase{{{1, 10}, {1, 20}, {1, 30}}, 1, 0, 2},
    BrowseCase{{{1, 30}, {1, 5}, {1, 20}, {1, 10}}, 2, 3, 0},     // nearest orders, not index order
    BrowseCase{{{1, 10}, {2, 15}, {1, 20}}, 0, 0, 2},             // other groups ignored; none below
    BrowseCase{{{1, 10}, {1, -1}, {1, 20}}, 1, 1, 1},             // negative order leads to itself
    BrowseCase{{{1, 10}, {1, 11}, {1, 12}}, 2, 1, 2}));           // last page: next is itself

TEST(BrowseSequenceDeleted, SkipsDeletedPages)
{
    TUVAset doc;
    for (int order : {1, 2, 3}) {
        auto p = LivePage(doc, "p");
        p->SetI16(page::kBrowseGroup, 0);
        p->SetI16(page::kBrowseOrder, static_cast<std::int16_t>(order));
        doc.Register(std::move(p));
    }
    doc.GetObject(testoHtml, 1)->Clear();
    EXPECT_EQ(doc.NextPage(0), 2);
    EXPECT_EQ(doc.PreviousPage(2), 0);
}

TEST(WorkingFolders, DifferPerDocumentAndAreRemovedWithIt)
{
    std::filesystem::path a, b;
    {
        TUVAset first, second;
        a = first.WorkingFolderPath();
        b = second.WorkingFolderPath();
        ASSERT_FALSE(a.empty());
        EXPECT_NE(a, b);
        EXPECT_TRUE(std::filesystem::equivalent(a.parent_path(), std::filesystem::temp_directory_path()));
        EXPECT_TRUE(std::filesystem::is_directory(a));
        std::ofstream(a / "unpacked.gif") << "x";
        std::filesystem::create_directories(a / "tmpa");
        std::ofstream(a / "tmpa" / "scratch.tmp") << "y";
    }
    EXPECT_FALSE(std::filesystem::exists(a));
    EXPECT_FALSE(std::filesystem::exists(b));
}

TEST(WorkingFolders, ClearDocumentDeletesFilesButKeepsSubfolders)
{
    TUVAset doc;
    const std::filesystem::path w = doc.WorkingFolderPath();
    std::ofstream(w / "picture.gif") << "x";
    std::filesystem::create_directories(w / "tmpa");
    std::ofstream(w / "tmpa" / "thefile0.tmp") << "y";
    doc.ClearDocument();
    EXPECT_FALSE(std::filesystem::exists(w / "picture.gif"));
    EXPECT_TRUE(std::filesystem::exists(w / "tmpa" / "thefile0.tmp"));
}

TEST(WorkingFolders, TempFileNamesAvoidExistingFiles)
{
    TUVAset doc;
    const std::string w = doc.WorkingFolderPath();
    const std::string first = doc.MakeTempFileName("/some/where/photo.jpg");
    EXPECT_EQ(first, w + "/photo.jpg");
    std::ofstream(first) << "x";
    const std::string second = doc.MakeTempFileName("photo.jpg");
    EXPECT_NE(second, first);
    EXPECT_EQ(std::filesystem::path(second).parent_path().generic_string(), w);
    const std::string leaf = std::filesystem::path(second).filename().string();
    EXPECT_EQ(leaf.substr(0, 2), "re");
    EXPECT_EQ(leaf.size(), 2u + 6u + 4u);
    EXPECT_EQ(leaf.substr(8), ".jpg");
}

} // namespace
} // namespace quor
