// The page editor on the offscreen platform: pages in frames, frame maps and
// layout files, links and the history, and storing or dropping what was typed.
#include "base/RecordingMessages.h"
#include "composition/frames/FrameLayoutFile.h"
#include "composition/frames/TInsiemeCornici.h"
#include "composition/frames/TUVAFrame.h"
#include "composition/frames/TUVApage.h"
#include "model/ObjectKind.h"
#include "model/TUVAset.h"
#include "model/TUVAtesto.h"
#include "model/records/FrameMapRecord.h"
#include "textengine/TUVAbox.h"

#include <QApplication>
#include <QTest>

#include <gtest/gtest.h>

namespace quor {
namespace {

class FrameSetTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        doc.NewDocument();
        doc.SetMessages(&messages);
        for (int i = 0; i < 4; ++i) {
            auto page = std::make_unique<TUVAtesto>(&doc);
            page->Clear();
            page->MarkInUse();
            page->SetText("<Z S0 >Text " + std::to_string(i) + "<Z S0 >" + RefTag((i + 1) % 4) + "go<%>");
            doc.Register(std::move(page));
        }
        doc.SetModified(false);
        set = std::make_unique<TInsiemeCornici>();
        set->resize(600, 400);
        set->SetLinkedUVAset(&doc);
        set->SaveOnExit = true;
        set->show();
    }
    void TearDown() override
    {
        set.reset();
        QApplication::processEvents();
    }
    static void Settle()
    {
        for (int i = 0; i < 3; ++i)
            QApplication::processEvents();
    }
    // Root split into columns: a 25% left frame showing `left`, the rest showing `right`.
    static std::unique_ptr<TNonVisCornice> TwoColumns(int left, int right)
    {
        auto root = std::make_unique<TNonVisCornice>();
        root->record.id = 1;
        root->record.name = "Pag0";
        root->record.placement = 0;   // columns
        auto a = std::make_unique<TNonVisCornice>();
        a->record.id = 2;
        a->record.name = "Frame00000A";
        a->record.placement = 1;
        a->record.percent = 25;
        a->record.page = left;
        auto b = std::make_unique<TNonVisCornice>();
        b->record.id = 3;
        b->record.name = "Frame00000B";
        b->record.placement = 5;
        b->record.sizeKind = fsRest;
        b->record.page = right;
        root->children.push_back(std::move(a));
        root->children.push_back(std::move(b));
        return root;
    }
    void Type(TUVAbox* box, const QString& text)
    {
        box->setFocus();
        box->Editor().SetCaret(0, 0);
        QTest::keyClicks(box, text);
    }
    std::string PageText(int i) { return doc.GetPage(i)->Text(); }

    TUVAset doc;
    RecordingMessages messages;
    std::unique_ptr<TInsiemeCornici> set;
};

TEST_F(FrameSetTest, ShowsAPageAloneAndStoresWhatWasTypedOnLeaving)
{
    set->SetMainPageNumber(1);
    ASSERT_EQ(set->PageViews().size(), 1u);
    EXPECT_EQ(set->RootFrame()->Record().name, "Pag1");
    TUVAbox* box = set->CurrentBox();
    ASSERT_TRUE(box);
    Type(box, QStringLiteral("New "));
    EXPECT_TRUE(set->PageModified());
    set->SetMainPageNumber(2);
    EXPECT_EQ(PageText(1).substr(0, 15), "<Z S0 >New Text");
    EXPECT_TRUE(doc.Modified());

    // Without SaveOnExit the changes are dropped.
    set->SaveOnExit = false;
    Type(set->CurrentBox(), QStringLiteral("Gone "));
    set->SetMainPageNumber(3);
    EXPECT_EQ(PageText(2).find("Gone"), std::string::npos);
    EXPECT_TRUE(messages.Messages().empty());
}

TEST_F(FrameSetTest, BrowsingWithoutChangesLeavesTheHypertextUnmodified)
{
    set->SetMainPageNumber(0);
    set->SetMainPageNumber(1);
    set->SetMainPageNumber(0);
    EXPECT_FALSE(doc.Modified());
}

TEST_F(FrameSetTest, UnknownPageNumberShowsANewEmptyPage)
{
    set->SetMainPageNumber(77);
    EXPECT_EQ(set->MainPageNumber(), 4);
    ASSERT_TRUE(doc.GetPage(4));
    set->SetMainPageNumber(-1);
    EXPECT_EQ(set->RootFrame(), nullptr);
    EXPECT_EQ(set->MainPageNumber(), -1);
}

TEST_F(FrameSetTest, LoadedLayoutIsWrittenBackAsTheFrameMapAndShownAgain)
{
    set->SetMainPageNumber(0);
    ASSERT_TRUE(set->LoadFrameLayout(FrameLayoutFile::Write(*TwoColumns(2, 3)), 0));
    Settle();
    ASSERT_EQ(set->PageViews().size(), 2u);
    EXPECT_TRUE(set->FramesModified());
    const auto views = set->PageViews();
    EXPECT_EQ(views[0]->PageIndex(), 2);
    EXPECT_EQ(views[1]->PageIndex(), 3);
    const int leftWidth = set->RootFrame()->Children()[0]->width();
    EXPECT_NEAR(leftWidth, (600 - 10 - 3) / 4, 1);   // after the left creation bar and the splitter
    Type(views[1]->Box(), QStringLiteral("R "));

    set->SetMainPageNumber(1);   // leaving stores the pages and the map
    TUVAoggetto* map = doc.GetPageFrameSet(0);
    ASSERT_TRUE(map);
    EXPECT_EQ(map->I32(records::FrameMapRecord::kFrameRecordSize), 58);
    EXPECT_EQ(PageText(3).substr(0, 13), "<Z S0 >R Text");

    set->SetMainPageNumber(0);   // the frames come back with their names and sizes
    Settle();
    ASSERT_EQ(set->PageViews().size(), 2u);
    const auto& children = set->RootFrame()->Children();
    EXPECT_EQ(children[0]->Record().name, "Frame00000A");
    EXPECT_EQ(children[1]->Record().name, "Frame00000B");
    EXPECT_EQ(children[0]->width(), leftWidth);
    EXPECT_NE(set->PageViews()[1]->Box()->SaveText().find("R Text"), std::string::npos);

    std::vector<std::uint8_t> saved;
    ASSERT_TRUE(set->SaveFrameLayout(saved, 1));
    const auto back = FrameLayoutFile::Read(saved);
    ASSERT_TRUE(back.root);
    EXPECT_EQ(back.root->FrameCount(), 3);
    EXPECT_EQ(back.root->children[0]->record.page, 2);
}

TEST_F(FrameSetTest, BadLayoutsAndMapsAreReported)
{
    set->SetMainPageNumber(0);
    const std::vector<std::uint8_t> notALayout = {1, 2, 3, 4, 58, 0, 0, 0};
    EXPECT_FALSE(set->LoadFrameLayout(notALayout, 0));
    ASSERT_EQ(messages.Texts(), (std::vector<std::string>{"File format error!"}));
    EXPECT_EQ(set->PageViews().size(), 1u);
    EXPECT_FALSE(set->LoadFrameLayout({}, 0));   // empty: nothing, silently
    EXPECT_EQ(messages.Messages().size(), 1u);

    // A page whose map object holds no data falls back to a single frame.
    auto map = TUVAoggetto::CreateCleared(&doc, mappaFrame);
    map->MarkInUse();
    TUVAoggetto* m = doc.Register(std::move(map));
    doc.GetPage(2)->SetI32(page::kFrameHosting, m->Index());
    set->SetMainPageNumber(2);
    EXPECT_EQ(messages.Texts().back(), "Map problem.");
    EXPECT_EQ(set->PageViews().size(), 1u);

    set->SetMainPageNumber(-1);
    std::vector<std::uint8_t> out;
    EXPECT_FALSE(set->SaveFrameLayout(out, 0));
    EXPECT_EQ(messages.Texts().back(), "Errore in salvataggio frames.");
}

TEST_F(FrameSetTest, LinksFollowedInPreviewPushTheHistory)
{
    set->AutoJump = true;
    set->SetReadOnly(true);
    set->SetMainPageNumber(0);
    std::vector<int> linked;
    QObject::connect(set.get(), &TUVACustomFrameSet::OnDoLink, [&](QWidget*, TUVAoggetto* link) {
        linked.push_back(link ? link->Index() : -1);
    });
    TUVAbox* box = set->CurrentBox();
    ASSERT_TRUE(box);
    EXPECT_TRUE(box->ReadOnly());
    const int link = box->LinkAt(box->Model().CaretAt(1, 1));
    ASSERT_EQ(link, 1);
    set->PostLinkActivation(box, link);
    EXPECT_EQ(set->MainPageNumber(), 0);   // delivered after the current event
    Settle();
    EXPECT_EQ(set->MainPageNumber(), 1);
    EXPECT_EQ(set->History(), (std::vector<int>{0}));
    EXPECT_EQ(linked, (std::vector<int>{1}));

    EXPECT_EQ(set->HistoryShowTop(), 0);
    EXPECT_EQ(set->History().size(), 1u);
    set->SetMainPageNumber(3);
    EXPECT_EQ(set->HistoryGoBack(), 0);
    EXPECT_TRUE(set->History().empty());
    EXPECT_EQ(set->HistoryGoBack(), 0);   // an empty history keeps the page
}

TEST_F(FrameSetTest, PagesWithObjectsTheBoxCannotShowStayReadOnlyAndKeepThem)
{
    auto placement = TUVAoggetto::CreateCleared(&doc, immagineNew);
    placement->MarkInUse();
    TUVAoggetto* placed = doc.Register(std::move(placement));
    const std::string text = "<Z S0 >Picture: " + RefTag(placed->GetRef()) + "<Z S0 >after";
    doc.GetPage(1)->SetText(text);
    set->SetMainPageNumber(1);
    TUVApage* view = set->CurrentPageView();
    ASSERT_TRUE(view);
    EXPECT_TRUE(view->HasUnshownObjects());
    EXPECT_TRUE(view->Box()->ReadOnly());
    view->SetModified(true);   // even a store forced by another change keeps the object
    set->SetMainPageNumber(0);
    EXPECT_NE(PageText(1).find("<$10"), std::string::npos);
}

} // namespace
} // namespace quor

namespace quor {
namespace {

class FrameEditingTest : public FrameSetTest {};

TEST_F(FrameEditingTest, SplitPageIsShownAgainWithTheSameFrames)
{
    set->SetMainPageNumber(0);
    TUVAFrame* root = set->RootFrame();
    ASSERT_TRUE(set->SplitFrame(root, true, 120));
    Settle();
    ASSERT_EQ(root->Children().size(), 2u);
    const int topHeight = root->Children()[0]->height();
    EXPECT_NEAR(topHeight, 120, 1);   // kept as a percent of the free height
    const std::string topName = root->Children()[0]->Record().name;
    EXPECT_EQ(topName.rfind("Frame", 0), 0u);
    EXPECT_EQ(topName.size(), 11u);
    ASSERT_EQ(set->PageViews().size(), 2u);
    EXPECT_TRUE(set->PageViews()[0]->IsNewPage());
    EXPECT_EQ(set->PageViews()[1]->PageIndex(), 0);   // the page moved into the second frame
    Type(set->PageViews()[0]->Box(), QStringLiteral("Top"));

    // The other direction on a split root is refused.
    EXPECT_FALSE(set->SplitFrame(root, false, 50));
    EXPECT_EQ(messages.Texts().back(), "?");

    set->SetMainPageNumber(1);
    set->SetMainPageNumber(0);
    Settle();
    root = set->RootFrame();
    ASSERT_EQ(root->Children().size(), 2u);
    EXPECT_EQ(root->Children()[0]->Record().name, topName);
    EXPECT_EQ(root->Children()[0]->height(), topHeight);
    EXPECT_NE(set->PageViews()[0]->Box()->SaveText().find("Top"), std::string::npos);
    EXPECT_NE(set->PageViews()[1]->Box()->SaveText().find("Text 0"), std::string::npos);
}

TEST_F(FrameEditingTest, DeletingOneOfTwoFramesCollapsesTheParent)
{
    set->SetMainPageNumber(0);
    TUVAFrame* root = set->RootFrame();
    ASSERT_TRUE(set->SplitFrame(root, false, 100));
    Settle();
    TUVAFrame* left = root->Children()[0];
    Type(set->PageViews()[0]->Box(), QStringLiteral("Draft"));
    messages.QueueAnswer(Answer::No);   // the new page with changes is dropped
    const int pagesBefore = doc.ObjectCount(testoHtml);
    ASSERT_TRUE(set->DeleteFrame(left));
    Settle();
    EXPECT_EQ(messages.Texts().back().rfind("Save deleted frame?\n", 0), 0u);
    EXPECT_TRUE(root->IsLeaf());
    ASSERT_EQ(set->PageViews().size(), 1u);
    EXPECT_EQ(set->PageViews()[0]->PageIndex(), 0);
    EXPECT_EQ(doc.ObjectCount(testoHtml), pagesBefore);

    // Shown again, the page has no frames any more.
    set->SetMainPageNumber(1);
    set->SetMainPageNumber(0);
    EXPECT_TRUE(set->RootFrame()->IsLeaf());
}

TEST_F(FrameEditingTest, FramesWithChildrenOrBesideSplitFramesStay)
{
    set->SetMainPageNumber(0);
    TUVAFrame* root = set->RootFrame();
    ASSERT_TRUE(set->SplitFrame(root, true, 150));
    Settle();
    TUVAFrame* bottom = root->Children()[1];
    ASSERT_TRUE(set->SplitFrame(bottom, false, 200));   // a rest frame splits into columns
    Settle();
    EXPECT_FALSE(set->DeleteFrame(bottom));
    EXPECT_EQ(messages.Texts().back(), "You should delete children before!");
    EXPECT_EQ(bottom->Record().pixels, 60);
    EXPECT_FALSE(set->DeleteFrame(root->Children()[0]));
    EXPECT_EQ(messages.Texts().back(), "You should modify another frame before.");
    EXPECT_EQ(root->Children().size(), 2u);
    // A stored page in a deleted frame is kept without asking.
    TUVAFrame* right = bottom->Children()[1];
    const std::size_t asked = messages.Messages().size();
    ASSERT_TRUE(set->DeleteFrame(bottom->Children()[0]));
    Settle();
    EXPECT_EQ(messages.Messages().size(), asked);   // the new page had no changes: dropped silently
    EXPECT_TRUE(bottom->IsLeaf());
    (void)right;
}

} // namespace
} // namespace quor

namespace quor {
namespace {

TEST_F(FrameEditingTest, DraggingTheTopCreationBarDownMakesAFrame)
{
    set->SetMainPageNumber(0);
    TUVAFrame* root = set->RootFrame();
    auto* bar = root->findChild<QWidget*>(QStringLiteral("TopCreationBar"));
    ASSERT_TRUE(bar);
    ASSERT_TRUE(bar->isVisible());
    // A short drag (not more than four bar widths) makes nothing.
    QTest::mousePress(bar, Qt::LeftButton, Qt::NoModifier, QPoint(50, 5));
    QTest::mouseMove(bar, QPoint(50, 35));
    QTest::mouseRelease(bar, Qt::LeftButton, Qt::NoModifier, QPoint(50, 35));
    Settle();
    EXPECT_TRUE(root->IsLeaf());
    QTest::mousePress(bar, Qt::LeftButton, Qt::NoModifier, QPoint(50, 5));
    QTest::mouseMove(bar, QPoint(50, 105));
    QTest::mouseRelease(bar, Qt::LeftButton, Qt::NoModifier, QPoint(50, 105));
    Settle();
    ASSERT_EQ(root->Children().size(), 2u);
    EXPECT_NEAR(root->Children()[0]->height(), 100, 1);
    EXPECT_TRUE(set->FramesModified());
    // Read-only frame sets show no creation bars.
    set->SetReadOnly(true);
    EXPECT_FALSE(bar->isVisible());
}

} // namespace
} // namespace quor
