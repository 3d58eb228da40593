// Reference tags in page markup, and pages copied out for editing and stored back.
#include "model/PageRefRewriter.h"
#include "model/PageWorkingCopy.h"
#include "model/TUVAset.h"

#include <gtest/gtest.h>

namespace quor {
namespace {

std::vector<ObjectRef> Refs(std::string_view text)
{
    std::vector<ObjectRef> refs;
    for (const auto& t : PageRefRewriter::FindTags(text))
        refs.push_back(t.ref);
    return refs;
}

TEST(RefTags, FoundOutsideSkippedBlocksAndBeforeTheNul)
{
    const std::string text = std::string("<Z S0 >a<$01000002>b<%><D x<$10000001>><$08000000><d>"
                                         "<F><$10000003><f><R><$10000004>") +
                             std::string("\0<$10000005>", 12);
    EXPECT_EQ(Refs(text), (std::vector<ObjectRef>{0x01000002}));
    EXPECT_EQ(Refs("<$0100000A><$0a00000b><$zz000000><$0100000>"),
              (std::vector<ObjectRef>{0x0100000A, 0x0A00000B}));
    EXPECT_EQ(Refs("<Y c000000 ><$FF000003>"), (std::vector<ObjectRef>{static_cast<ObjectRef>(0xFF000003)}));
}

TEST(RefTags, RewrittenInPlaceInLowerCase)
{
    std::string text = "x<$0100000A>y";
    PageRefRewriter::RewriteAll(text, [](const RefTagSite&) { return static_cast<ObjectRef>(0x6F00ABCD); });
    EXPECT_EQ(text, "x<$6f00abcd>y");
    EXPECT_FALSE(PageRefRewriter::RewriteTag(text, 0, 1));
}

TEST(RefTags, DoubledRunTagsAreBlanked)
{
    std::string text = "<Z S0 ><Y s10 ><Y s12 >a<Y y1 >b";
    PageRefRewriter::BlankDoubledRunTags(text);
    EXPECT_EQ(text, "<Z S0 >" + std::string(8, '\3') + "<Y s12 >a<Y y1 >b");
}

struct TitleCase {
    std::string markup;
    std::string title;
};

class AutomaticTitle : public ::testing::TestWithParam<TitleCase> {};

TEST_P(AutomaticTitle, IsMadeFromTheStartOfTheText)
{
    EXPECT_EQ(PageWorkingCopy::AutomaticTitle(GetParam().markup), GetParam().title);
}

INSTANTIATE_TEST_SUITE_P(Cases, AutomaticTitle, ::testing::Values(
    TitleCase{"<Z S0 >  Hello   world", "Hello"},
    TitleCase{"<Z S0 >Ab<Z S0 >cd<Z S0 >ef<Z S0 >gh", "Ab cd ef"},
    TitleCase{"<Z S0 >Tom&amp;Jerry's \"show\"", "Tom Jerry\x92s \x94show\x94"},
    TitleCase{"<Z S0 >a<$01000000>b<%>c#1", "abc 1"},
    TitleCase{"<Z S0 >" + std::string(50, 'x'), std::string(36, 'x')}));

class WorkingCopy : public ::testing::Test {
protected:
    TUVAoggetto* Add(int kind, int subKind = -1)
    {
        auto o = TUVAoggetto::CreateCleared(&doc, kind);
        o->MarkInUse();
        if (subKind >= 0)
            o->SetSubKind(subKind);
        return doc.Register(std::move(o));
    }
    TUVAtesto* AddPage(const std::string& text)
    {
        auto* page = static_cast<TUVAtesto*>(Add(testoHtml));
        page->SetText(text);
        return page;
    }
    std::string StoredText(int index) { return doc.GetPage(index)->Text(); }

    TUVAset doc;
};

TEST_F(WorkingCopy, OpeningLocalisesLinksAndObjects)
{
    TUVAoggetto* link = Add(internetLink);
    link->SetName("http://example.org/");
    TUVAoggetto* table = Add(tabellaHtml);
    TUVAoggetto* file = Add(genLink);
    const std::string text = "<Z S0 >" + RefTag(link->GetRef()) + "a<%>" + RefTag(table->GetRef()) +
                             RefTag(link->GetRef()) + "b<%>" + RefTag(file->GetRef()) + "f<%>";
    AddPage(text);
    PageWorkingCopy copy(doc);
    ASSERT_TRUE(copy.Open(0));
    TUVAtesto* c = copy.Copy();
    EXPECT_FALSE(c->Registered());
    EXPECT_EQ(Refs(c->Text()), (std::vector<ObjectRef>{0x6F000000, static_cast<ObjectRef>(0xFF000000), 0x6F000000,
                                                       file->GetRef()}));
    ASSERT_EQ(c->LocalLinks.size(), 1u);
    EXPECT_EQ(c->LocalLinks[0]->LocalRef(), 0x6F000000);
    EXPECT_EQ(c->LocalLinks[0]->GetName(), "http://example.org/");
    ASSERT_EQ(c->LocalObjects.size(), 1u);
    EXPECT_EQ(c->LocalObjects[0]->Kind(), tabellaHtml);
    EXPECT_NE(c->LocalObjects[0].get(), table);
    EXPECT_EQ(StoredText(0), text + '\0');  // the stored page is untouched
}

TEST_F(WorkingCopy, ShowingRenumbersObjectTagsByRegistryNumber)
{
    TUVAoggetto* t1 = Add(tabellaHtml);
    TUVAoggetto* t2 = Add(tabellaHtml);
    AddPage("<Z S0 >" + RefTag(t1->GetRef()) + RefTag(t2->GetRef()));
    PageWorkingCopy copy(doc);
    ASSERT_TRUE(copy.Open(0));
    int next = 7;
    copy.ShowObjects([&](TUVAoggetto&) { return next++; });
    EXPECT_EQ(Refs(copy.Copy()->Text()),
              (std::vector<ObjectRef>{static_cast<ObjectRef>(0xFF000007), static_cast<ObjectRef>(0xFF000008)}));
    EXPECT_NE(copy.ShownObject(7), nullptr);
    EXPECT_TRUE(copy.Copy()->LocalObjects.empty());
}

TEST_F(WorkingCopy, StoringRegistersObjectsAndReusesEqualLinks)
{
    TUVAoggetto* link = Add(internetLink);
    link->SetName("http://example.org/");
    TUVAoggetto* table = Add(tabellaHtml);
    AddPage("<Z S0 >" + RefTag(link->GetRef()) + "a<%>" + RefTag(table->GetRef()));
    header::SetRevision(doc.Header(), 5);
    PageWorkingCopy copy(doc);
    ASSERT_TRUE(copy.Open(0));
    copy.ShowObjects({});
    // The editor adds a second link to the same address.
    auto second = TUVAoggetto::CreateCleared(&doc, internetLink);
    second->MarkInUse();
    second->SetName("http://example.org/");
    copy.Copy()->LocalLinks.push_back(std::move(second));
    copy.Copy()->SetText(copy.Copy()->Text().substr(0, copy.Copy()->Text().size() - 1) + "<$6f000001>b<%>");
    int stateCalls = 0;
    EXPECT_EQ(copy.Store(true, [&](int, TUVAoggetto&) { ++stateCalls; }), PageWorkingCopy::StoreResult::Stored);
    EXPECT_EQ(stateCalls, 1);
    EXPECT_FALSE(copy.IsOpen());
    EXPECT_EQ(doc.ObjectCount(internetLink), 1);       // both links are the existing one
    EXPECT_EQ(doc.ObjectCount(tabellaHtml), 1);        // the old table's slot was reused
    const TUVAtesto* stored = doc.GetPage(0);
    EXPECT_EQ(Refs(doc.GetPage(0)->Text()),
              (std::vector<ObjectRef>{link->GetRef(), MakeRef(tabellaHtml, 0), link->GetRef()}));
    EXPECT_FALSE(doc.GetObject(tabellaHtml, 0)->IsDeleted());
    EXPECT_EQ(stored->GetRevision(), 5);
    EXPECT_EQ(stored->TextFormat(), 2);
    EXPECT_TRUE(doc.Modified());
}

TEST_F(WorkingCopy, UnchangedPagesKeepTheirRevision)
{
    TUVAtesto* page = AddPage("<Z S0 >x");
    page->SetRevision(3);
    header::SetRevision(doc.Header(), 8);
    PageWorkingCopy copy(doc);
    ASSERT_TRUE(copy.Open(0));
    copy.Store(false);
    EXPECT_EQ(doc.GetPage(0)->GetRevision(), 3);
    EXPECT_EQ(copy.Store(false), PageWorkingCopy::StoreResult::NothingToStore);
}

TEST_F(WorkingCopy, LinksHeldByObjectsAreLocalisedAndStoredWithThem)
{
    TUVAoggetto* special = Add(speclink, 2);
    TUVAoggetto* opener = Add(shortObj, 13);
    opener->SetI32(5, special->GetRef());
    AddPage("<Z S0 >" + RefTag(opener->GetRef()));
    PageWorkingCopy copy(doc);
    ASSERT_TRUE(copy.Open(0));
    ASSERT_EQ(copy.Copy()->LocalLinks.size(), 1u);
    EXPECT_EQ(copy.Copy()->LocalObjects[0]->I32(5), 0x6F000000);
    EXPECT_EQ(copy.Store(true), PageWorkingCopy::StoreResult::Stored);
    const auto refs = Refs(doc.GetPage(0)->Text());
    ASSERT_EQ(refs.size(), 1u);
    TUVAoggetto* storedOpener = doc.GetObjectByRef(refs[0]);
    ASSERT_NE(storedOpener, nullptr);
    TUVAoggetto* storedSpecial = doc.GetObjectByRef(storedOpener->I32(5));
    ASSERT_NE(storedSpecial, nullptr);
    EXPECT_EQ(storedSpecial->Kind(), speclink);
    EXPECT_EQ(storedSpecial->SubKind(), 2);
    EXPECT_EQ(doc.ObjectCount(speclink), 1);
}

TEST_F(WorkingCopy, HeaderAndFooterComeFromThePageOrTheDocument)
{
    AddPage("<Z S0 >main");
    AddPage("<Z S0 >own header");
    AddPage("<Z S0 >global footer");
    doc.GetPage(0)->SetI32(page::kHeaderPage, 1);
    doc.GetPage(0)->SetI32(page::kFooterPage, -1);
    header::SetGlobalFooterPage(doc.Header(), 2);
    PageWorkingCopy copy(doc);
    ASSERT_TRUE(copy.Open(0));
    ASSERT_NE(copy.HeaderCopy(), nullptr);
    ASSERT_NE(copy.FooterCopy(), nullptr);
    EXPECT_TRUE(copy.HeaderCopy()->InHeaderFooter());
    EXPECT_EQ(copy.FooterCopy()->Text(), std::string("<Z S0 >global footer\0", 21));
    doc.GetPage(0)->SetI32(page::kFooterPage, -2);
    ASSERT_TRUE(copy.Open(0));
    EXPECT_EQ(copy.FooterCopy(), nullptr);
}

TEST_F(WorkingCopy, NewPagesGoToTheFirstFreeSlotWithAnAutomaticTitle)
{
    AddPage("<Z S0 >zero");
    AddPage("<Z S0 >one");
    doc.GetPage(0)->Clear();
    doc.SetModified(false);
    PageWorkingCopy copy(doc);
    copy.OpenNew();
    EXPECT_TRUE(copy.IsNewPage());
    copy.Copy()->SetText("<Z S0 >  Hello   world");
    EXPECT_EQ(copy.Store(true), PageWorkingCopy::StoreResult::Stored);
    EXPECT_EQ(doc.GetPage(0)->Title(), "Hello");
    EXPECT_TRUE(doc.Modified());
}

TEST_F(WorkingCopy, AReplacedSourceIsNotOverwrittenAndTheEditsAreKept)
{
    AddPage("<Z S0 >original");
    PageWorkingCopy first(doc), second(doc);
    ASSERT_TRUE(first.Open(0));
    ASSERT_TRUE(second.Open(0));
    first.Copy()->SetText("<Z S0 >first edit");
    second.Copy()->SetText("<Z S0 >second edit");
    EXPECT_EQ(first.Store(true), PageWorkingCopy::StoreResult::Stored);
    EXPECT_EQ(second.Store(true), PageWorkingCopy::StoreResult::SourceReplaced);
    EXPECT_TRUE(second.IsOpen());
    EXPECT_EQ(StoredText(0), std::string("<Z S0 >first edit\0", 18));
    second.DetachFromSource();
    EXPECT_EQ(second.Store(true), PageWorkingCopy::StoreResult::Stored);
    EXPECT_EQ(StoredText(1), std::string("<Z S0 >second edit\0", 19));
}

TEST_F(WorkingCopy, OpeningAMissingOrDeletedPageFails)
{
    PageWorkingCopy copy(doc);
    EXPECT_FALSE(copy.Open(0));
    AddPage("<Z S0 >x")->Clear();
    EXPECT_FALSE(copy.Open(0));
    EXPECT_FALSE(copy.IsOpen());
}

} // namespace
} // namespace quor
