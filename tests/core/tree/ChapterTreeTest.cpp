// The chapter tree and its stream, and the rows of object lists.
#include "base/RecordingMessages.h"
#include "model/TUVAoggetto.h"
#include "model/TUVAset.h"
#include "model/TUVAtesto.h"
#include "model/tree/ChapterTree.h"
#include "model/tree/ObjectListing.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace quor {
namespace {

using ::testing::ElementsAre;

class ChapterTreeTest : public ::testing::Test {
protected:
    ChapterTreeTest()
    {
        doc.SetMessages(&messages);
        doc.ClearList(testoHtml);
        for (int i = 0; i < 8; ++i)
            AddPage("Page " + std::to_string(i));
    }
    TUVAoggetto* AddPage(const std::string& title)
    {
        auto page = TUVAoggetto::CreateCleared(&doc, testoHtml);
        page->MarkInUse();
        page->SetName(title);
        return doc.Register(std::move(page), static_cast<int>(doc.List(testoHtml).size()));
    }
    std::string Stored() { return doc.PageTreeObject()->ContentText(); }
    void Store(const std::string& text)
    {
        doc.PageTreeObject()->SetContentBytes(std::vector<std::uint8_t>(text.begin(), text.end()));
    }
    // "caption/depth" of every node in pre-order.
    std::vector<std::string> Shape(const ChapterTree& tree)
    {
        std::vector<std::string> out;
        for (const TreeNode* n : tree.PreOrder())
            out.push_back(n->caption + "/" + std::to_string(n->Depth()));
        return out;
    }

    RecordingMessages messages;
    TUVAset doc;
};

TEST_F(ChapterTreeTest, EmptyTreeObjectGivesTheDefaultTreeAndStoresIt)
{
    doc.RecordFileName("/home/me/docs/guide.uva");
    doc.GetPage(3)->Clear();   // a deleted page is not listed
    ChapterTree tree(&doc, testoHtml);
    tree.Reload();
    ASSERT_EQ(tree.Roots().size(), 1u);
    EXPECT_EQ(tree.Roots()[0]->caption, "guide.uva");
    EXPECT_EQ(tree.Roots()[0]->icon, "i.uva");
    EXPECT_EQ(tree.Roots()[0]->children.size(), 7u);
    EXPECT_EQ(Stored(), "a0,-2,guide.uva\r\na1,0,x\r\na1,1,x\r\na1,2,x\r\na1,4,x\r\na1,5,x\r\na1,6,x\r\na1,7,x\r\n");
}

TEST_F(ChapterTreeTest, StreamBuildsChaptersAndRoundTrips)
{
    const std::string text = "a0,-2,Guide\r\na1,-3,Intro, part one\r\na2,5,x\r\na1,7,x\r\n";
    Store(text);
    ChapterTree tree(&doc, testoHtml);
    tree.Reload();
    EXPECT_THAT(Shape(tree), ElementsAre("Guide/0", "Intro, part one/1", "Page 5/2", "Page 7/1"));
    EXPECT_THAT(tree.ObjectsInTree(), ElementsAre(doc.GetObject(testoHtml, 5), doc.GetObject(testoHtml, 7)));
    EXPECT_EQ(tree.FindRef(7)->caption, "Page 7");
    EXPECT_EQ(tree.FindRef(3), nullptr);
    tree.SaveTree();
    EXPECT_EQ(Stored(), text);
    EXPECT_TRUE(messages.Messages().empty());
}

struct StreamCase {
    const char* name;
    std::string text;
    std::vector<std::string> shape;
    std::vector<std::string> messages;
    std::string written;   // what SaveTree writes back
};

class ChapterStream : public ChapterTreeTest, public ::testing::WithParamInterface<StreamCase> {};

TEST_P(ChapterStream, ReadsAndWritesBack)
{
    const StreamCase& c = GetParam();
    ChapterTree tree(&doc, testoHtml);
    tree.ReadStream(c.text, messages);
    EXPECT_EQ(Shape(tree), c.shape);
    EXPECT_EQ(messages.Texts(), c.messages);
    EXPECT_EQ(tree.WriteStream(), c.written);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, ChapterStream,
    ::testing::Values(
        // Page 9 does not exist: a node without data, written back as such.
        StreamCase{"missing_page", "a0,-2,R\r\na1,9,x\r\n", {"R/0", "x/1"}, {}, "a0,-2,R\r\na1,-1,x\r\n"},
        // A line not starting with "a" is reported and skipped.
        StreamCase{"bad_letter", "a0,-2,R\nb1,-3,C\na1,2,x\n", {"R/0", "Page 2/1"}, {"error decoding nodes"},
                   "a0,-2,R\r\na1,2,x\r\n"},
        // Depth 3 right after depth 1: reported, skipped, the tree goes on from depth 1.
        StreamCase{"depth_jump", "a0,-2,R\ra1,-3,C\ra3,4,x\ra2,6,x\r", {"R/0", "C/1", "Page 6/2"},
                   {"error loading nodes"}, "a0,-2,R\r\na1,-3,C\r\na2,6,x\r\n"},
        // An empty depth reads as 1, a code that is no number as 1 (page 1).
        StreamCase{"defaults", "a0,-2,R\r\na,5,x\r\na0,abc,Title\r\n", {"R/0", "Page 5/1", "Page 1/0"}, {},
                   "a0,-2,R\r\na1,5,x\r\na0,1,x\r\n"},
        // A line without commas: depth 1 and code 1, empty caption.
        StreamCase{"no_commas", "a0,-1,Top\r\na7\r\n", {"Top/0", "Page 1/1"}, {}, "a0,-1,Top\r\na1,1,x\r\n"},
        // Walking back up two levels; a prototype reference in a page tree is a plain node.
        StreamCase{"walk_up", "a0,-2,R\r\na1,-3,A\r\na2,-3,B\r\na3,0,x\r\na1,201326592,P\r\n",
                   {"R/0", "A/1", "B/2", "Page 0/3", "P/1"}, {},
                   "a0,-2,R\r\na1,-3,A\r\na2,-3,B\r\na3,0,x\r\na1,-1,P\r\n"},
        // A negative depth lands at the top level.
        StreamCase{"negative_depth", "a0,-2,R\r\na1,2,x\r\na-4,-3,Loose\r\n", {"R/0", "Page 2/1", "Loose/0"}, {},
                   "a0,-2,R\r\na1,2,x\r\na0,-3,Loose\r\n"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(ChapterTreeTest, MovesKeepSubtreesAndRespectTheEnds)
{
    Store("a0,-2,R\r\na1,0,x\r\na1,-3,C\r\na2,4,x\r\na1,2,x\r\n");
    ChapterTree tree(&doc, testoHtml);
    tree.Reload();
    TreeNode* root = tree.Roots()[0].get();
    TreeNode* chapter = root->children[1].get();
    TreeNode* page2 = root->children[2].get();

    EXPECT_TRUE(tree.MoveDown(chapter));   // second-to-last becomes last
    EXPECT_THAT(Shape(tree), ElementsAre("R/0", "Page 0/1", "Page 2/1", "C/1", "Page 4/2"));
    EXPECT_FALSE(tree.MoveDown(chapter));
    EXPECT_TRUE(tree.MoveUp(page2));       // second child becomes first
    EXPECT_FALSE(tree.MoveUp(page2));
    EXPECT_THAT(Shape(tree), ElementsAre("R/0", "Page 2/1", "Page 0/1", "C/1", "Page 4/2"));

    // Dragging a chapter onto its own sub-chapter does nothing; onto the root it moves.
    TreeNode* sub = tree.AddChapter(chapter, "Sub");
    ASSERT_NE(sub, nullptr);
    EXPECT_FALSE(tree.MoveInto(chapter, sub));
    EXPECT_FALSE(tree.MoveInto(chapter, chapter));
    EXPECT_FALSE(tree.MoveInto(root, chapter));
    EXPECT_FALSE(tree.MoveInto(page2, root->children[1].get()));   // onto a page
    EXPECT_TRUE(tree.MoveInto(page2, sub));
    EXPECT_THAT(Shape(tree), ElementsAre("R/0", "Page 0/1", "C/1", "Page 4/2", "Sub/2", "Page 2/3"));
}

TEST_F(ChapterTreeTest, AddingAndDeletingNodesNeverTouchesPages)
{
    ChapterTree tree(&doc, testoHtml);
    tree.Reload();
    TreeNode* root = tree.Roots()[0].get();
    TreeNode* pageNode = root->children[0].get();
    EXPECT_EQ(tree.AddChapter(pageNode, "No"), nullptr);   // only under a chapter or the root
    TreeNode* chapter = tree.AddChapter(root, "Line\r\nbreak");
    ASSERT_NE(chapter, nullptr);
    EXPECT_NE(tree.AddObject(chapter, 6), nullptr);
    EXPECT_EQ(tree.AddObject(chapter, 99), nullptr);
    tree.SaveTree();
    // A caption never breaks its line in the stream.
    EXPECT_NE(Stored().find("a1,-3,Line  break\r\na2,6,x\r\n"), std::string::npos);

    EXPECT_FALSE(tree.DeleteNode(root));
    EXPECT_TRUE(tree.DeleteNode(chapter));
    EXPECT_EQ(tree.FindRef(6)->parent, root);   // the other node of page 6 is still there
    EXPECT_FALSE(doc.GetPage(6)->IsDeleted());
}

TEST_F(ChapterTreeTest, RenamingFollowsTheNodeKind)
{
    auto proto = TUVAoggetto::CreateCleared(&doc, custom);
    proto->MarkInUse();
    TUVAoggetto* prototype = doc.Register(std::move(proto));
    ChapterTree protoTree(&doc, custom);
    protoTree.Reload();
    TreeNode* protoNode = protoTree.FindRef(prototype->GetRef());
    ASSERT_NE(protoNode, nullptr);
    EXPECT_EQ(protoNode->icon, "i.ini");
    EXPECT_FALSE(ChapterTree::CanRename(protoNode, false));
    EXPECT_TRUE(ChapterTree::CanRename(protoNode, true));
    protoTree.Rename(protoNode, "Renamed");
    EXPECT_EQ(prototype->GetName(), "Renamed");

    ChapterTree pages(&doc, testoHtml);
    pages.Reload();
    EXPECT_TRUE(ChapterTree::CanRename(pages.Roots()[0].get(), false));
    EXPECT_FALSE(ChapterTree::CanRename(pages.FindRef(1), true));
}

// --- object lists ---

TEST(ObjectListing, LeavesOutHypertextLinksAndUnmarkedDatabaseObjects)
{
    TUVAset doc;
    auto add = [&](int kind, const std::string& name, int subKind) {
        auto obj = TUVAoggetto::CreateCleared(&doc, kind);
        obj->MarkInUse();
        obj->SetName(name);
        if (subKind >= 0)
            obj->SetSubKind(subKind);
        return doc.Register(std::move(obj));
    };
    add(internetLink, "http://example.org/a.html", 0);
    add(internetLink, "quor:other.uva#3", 6);
    add(internetLink, "mailto:me@example.org", 0);
    add(internetLink, "ftp://host/file", 0);
    const auto links = ListObjects(doc, internetLink);
    ASSERT_EQ(links.size(), 3u);
    EXPECT_EQ(links[0].icon.fileName, "i.htm");
    EXPECT_EQ(links[1].icon.fileName, "i.msg");
    EXPECT_EQ(links[2].icon.type, ListIcon::Type::Fixed);

    TUVAoggetto* shown = add(dbloc, "shown", -1);
    shown->SetU8(46, 11);
    add(dbloc, "hidden", -1);
    const auto db = ListObjects(doc, dbloc);
    ASSERT_EQ(db.size(), 1u);
    EXPECT_EQ(db[0].caption, "shown");
    EXPECT_EQ(db[0].icon.fileName, "i.dsn");

    // The filter has the last word.
    EXPECT_TRUE(ListObjects(doc, dbloc, [](TUVAoggetto&, bool& include) { include = false; }).empty());
}

TEST(ObjectListing, PagesShowSizeAndIndex)
{
    TUVAset doc;
    for (int i = 0; i < 3; ++i) {
        auto page = TUVAoggetto::CreateCleared(&doc, testoHtml);
        page->MarkInUse();
        doc.Register(std::move(page));
    }
    doc.GetPage(1)->Clear();
    const auto rows = ListObjects(doc, testoHtml);
    ASSERT_EQ(rows.size(), 2u);
    TUVAoggetto* last = doc.GetObject(testoHtml, 2);
    EXPECT_EQ(rows[1].ref, last->GetRef());
    EXPECT_EQ(rows[1].pageIndex, "2");
    EXPECT_EQ(rows[1].icon.fileName, "i.txt");
    EXPECT_EQ(rows[1].size, std::to_string(last->ContentText().size()));
}

TEST(ObjectListing, StyleRenameToItsOwnNameInOtherCaseChangesNothing)
{
    TUVAset doc;
    auto style = TUVAoggetto::CreateCleared(&doc, stileParagrafo);
    style->MarkInUse();
    style->SetName("Heading");
    TUVAoggetto* heading = doc.Register(std::move(style));
    EXPECT_EQ(RenameListedObject(doc, *heading, "HEADING"), "Heading");
    EXPECT_EQ(RenameListedObject(doc, *heading, "[no style]"), "Heading");   // taken by a live style
    EXPECT_EQ(RenameListedObject(doc, *heading, "Title"), "Title");
}

} // namespace
} // namespace quor
