// The object list, the chapter tree widget and pictures on screen.
#include "model/PictureImage.h"
#include "model/TUVAListView.h"
#include "model/TUVAorderedTree.h"

#include "model/TUVAoggetto.h"
#include "model/TUVAset.h"

#include <QKeyEvent>
#include <QTest>

#include <gtest/gtest.h>

namespace quor {
namespace {

class ModelWidgets : public ::testing::Test {
protected:
    ModelWidgets()
    {
        for (const char* title : {"Zeta", "Alpha", "Mid"}) {
            auto page = TUVAoggetto::CreateCleared(&doc, testoHtml);
            page->MarkInUse();
            page->SetName(title);
            pages.push_back(doc.Register(std::move(page), static_cast<int>(doc.List(testoHtml).size())));
        }
    }
    TUVAset doc;
    std::vector<TUVAoggetto*> pages;
};

TEST_F(ModelWidgets, ListShowsPagesSortedWithTheirColumns)
{
    TUVAListView list;
    list.LinkedUVAset = &doc;
    int reloads = 0;
    list.OnReload = [&](TUVAListView*) { ++reloads; };
    list.Reload();
    EXPECT_EQ(reloads, 1);
    ASSERT_EQ(list.topLevelItemCount(), 3);
    EXPECT_EQ(list.topLevelItem(0)->text(0), "Alpha");
    EXPECT_EQ(list.topLevelItem(2)->text(0), "Zeta");
    EXPECT_EQ(list.topLevelItem(0)->text(3), QString::number(pages[1]->Index()));
    EXPECT_EQ(list.headerItem()->text(2), "File name");

    list.SelectRef(pages[2]->GetRef());
    EXPECT_EQ(list.SelectedObject(), pages[2]);
    EXPECT_EQ(list.SelectedRef(), pages[2]->GetRef());
}

TEST_F(ModelWidgets, DeleteKeyRemovesTheItemOnlyWhenAllowed)
{
    TUVAListView list;
    list.LinkedUVAset = &doc;
    list.Reload();
    list.SelectRef(pages[0]->GetRef());
    bool allow = false;
    QTreeWidgetItem* asked = nullptr;
    list.OnDel = [&](TUVAListView*, QTreeWidgetItem* item, bool& ok) {
        asked = item;
        ok = allow;
    };
    QTest::keyClick(&list, Qt::Key_Delete);
    EXPECT_NE(asked, nullptr);
    EXPECT_EQ(list.topLevelItemCount(), 3);
    allow = true;
    QTest::keyClick(&list, Qt::Key_Delete);
    EXPECT_EQ(list.topLevelItemCount(), 2);
    EXPECT_FALSE(pages[0]->IsDeleted());   // the handler deletes objects, not the list
}

TEST_F(ModelWidgets, RenamingAnItemRenamesTheObject)
{
    TUVAListView list;
    list.LinkedUVAset = &doc;
    int stops = 0;
    list.OnEditStop = [&](TUVAListView*) { ++stops; };
    list.Reload();
    list.topLevelItem(0)->setText(0, QString::fromUtf8("Alpha \xC3\xA8"));   // è
    EXPECT_EQ(pages[1]->GetName(), "Alpha \xE8");
    EXPECT_EQ(stops, 1);
}

TEST_F(ModelWidgets, TreeMirrorsTheStoredArrangement)
{
    const std::string text = "a0,-2,Guide\r\na1,-3,Intro\r\na2," + std::to_string(pages[2]->GetRef()) + ",x\r\na1," +
                             std::to_string(pages[0]->GetRef()) + ",x\r\n";
    doc.PageTreeObject()->SetContentBytes(std::vector<std::uint8_t>(text.begin(), text.end()));
    TUVAorderedTree tree;
    tree.SetLinkedUVAset(&doc);
    tree.Reload();
    ASSERT_EQ(tree.topLevelItemCount(), 1);
    QTreeWidgetItem* root = tree.topLevelItem(0);
    EXPECT_EQ(root->text(0), "Guide");
    ASSERT_EQ(root->childCount(), 2);
    EXPECT_EQ(root->child(0)->child(0)->text(0), "Mid");

    EXPECT_EQ(tree.SelectRef(pages[0]->GetRef()), pages[0]);
    tree.MoveUp();   // not editable: nothing moves
    EXPECT_EQ(tree.topLevelItem(0)->child(1)->text(0), "Zeta");
    tree.Editable = true;
    tree.MoveUp();
    EXPECT_EQ(tree.topLevelItem(0)->child(0)->text(0), "Zeta");
    EXPECT_EQ(tree.SelectedObject(), pages[0]);

    tree.setCurrentItem(tree.topLevelItem(0));
    tree.AddChapter("More");
    EXPECT_EQ(tree.SelectedChapterName(), "More");
    tree.AddObject(pages[1]->GetRef());
    EXPECT_EQ(tree.SelectedObject(), pages[1]);
    tree.SaveTree();
    EXPECT_EQ(doc.PageTreeObject()->ContentText(),
              "a0,-2,Guide\r\na1," + std::to_string(pages[0]->GetRef()) + ",x\r\na1,-3,Intro\r\na2," +
                  std::to_string(pages[2]->GetRef()) + ",x\r\na1,-3,More\r\na2," + std::to_string(pages[1]->GetRef()) +
                  ",x\r\n");

    QTest::keyClick(&tree, Qt::Key_Delete);   // removes the node, never the page
    std::vector<TUVAoggetto*> objects;
    tree.ObjectsInTree(&objects);
    EXPECT_EQ(objects, (std::vector<TUVAoggetto*>{pages[0], pages[2]}));
    EXPECT_FALSE(pages[1]->IsDeleted());
}

TEST(PictureImage, CopiesPixelsAndFrames)
{
    TUVApicture pic(PictureFormat::Gif, 2, 1, 0xFF0000FF);
    pic.SetPixel(1, 0, 0x00000000);
    pic.AddFrame(0x0000FFFF);
    const QImage first = ToQImage(pic);
    ASSERT_FALSE(first.isNull());
    EXPECT_EQ(first.pixelColor(0, 0), QColor(255, 0, 0));
    EXPECT_EQ(first.pixelColor(1, 0).alpha(), 0);
    EXPECT_EQ(ToQImage(pic, 1).pixelColor(0, 0), QColor(0, 0, 255));
    EXPECT_TRUE(ToQImage(pic, 2).isNull());
    EXPECT_TRUE(ToQImage(TUVApicture()).isNull());
}

} // namespace
} // namespace quor
