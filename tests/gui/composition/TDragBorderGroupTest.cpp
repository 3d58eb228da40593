// Selection handles: resize geometry, a real handle drag, and selection on focus.
#include "composition/GuiEvents.h"
#include "composition/TBoxBorder.h"
#include "composition/TDragBorder.h"
#include "composition/TDragBorderGroup.h"
#include "composition/TDragCustomControl.h"

#include <QApplication>
#include <QLineEdit>

#include <gtest/gtest.h>

namespace quor {
namespace {

struct ResizeCase {
    const char* name;
    int handle;
    QPoint offset;
    bool shift;
    QRect expected;
};

class ResizedBounds : public ::testing::TestWithParam<ResizeCase> {};

TEST_P(ResizedBounds, MovesTheSidesOfTheHandle)
{
    const QRect start(10, 20, 100, 50);
    const auto& c = GetParam();
    EXPECT_EQ(TDragBorderGroup::ResizedBounds(start, c.handle, c.offset, c.shift), c.expected) << c.name;
}

INSTANTIATE_TEST_SUITE_P(
    Handles, ResizedBounds,
    ::testing::Values(
        // Shift keeps a square change: the smaller offset (10) is used for both.
        ResizeCase{"shift bottom-right", kHandleBottomRight, {30, 10}, true, QRect(10, 20, 110, 60)},
        ResizeCase{"bottom-right", kHandleBottomRight, {30, 10}, false, QRect(10, 20, 130, 60)},
        ResizeCase{"top-left", kHandleTopLeft, {5, -5}, false, QRect(15, 15, 95, 55)},
        ResizeCase{"top-right", kHandleTopRight, {5, 5}, false, QRect(10, 25, 105, 45)},
        ResizeCase{"bottom-left", kHandleBottomLeft, {-5, 5}, false, QRect(5, 20, 105, 55)},
        // Middle handles move one side only, whatever the other offset.
        ResizeCase{"top middle", kHandleTopMiddle, {40, -10}, false, QRect(10, 10, 100, 60)},
        ResizeCase{"bottom middle", kHandleBottomMiddle, {40, 10}, true, QRect(10, 20, 100, 60)},
        ResizeCase{"middle left", kHandleMiddleLeft, {20, 40}, false, QRect(30, 20, 80, 50)},
        ResizeCase{"middle right", kHandleMiddleRight, {-20, 40}, false, QRect(10, 20, 80, 50)},
        // Dragging a side across its opposite flips instead of giving a negative size.
        ResizeCase{"crossed", kHandleMiddleRight, {-130, 0}, false, QRect(-20, 20, 30, 50)}));

class Target : public TDragCustomControl {
public:
    using TDragCustomControl::TDragCustomControl;
    int before = 0;
    int after = 0;
    QRect boundsSeenBefore;
    QRect boundsSeenAfter;

protected:
    void BeforeResize() override { ++before; boundsSeenBefore = geometry(); }
    void AfterResize() override { ++after; boundsSeenAfter = geometry(); }
};

struct HandleFixture : ::testing::Test {
    QWidget form;
    Target* target = nullptr;
    QLineEdit* other = nullptr;

    void SetUp() override
    {
        form.resize(400, 300);
        target = new Target(&form);
        target->setGeometry(50, 40, 100, 50);
        other = new QLineEdit(&form);
        other->setGeometry(300, 250, 80, 20);
        form.show();
        QApplication::setActiveWindow(&form);
        other->setFocus(); // the target starts unfocused and unselected
        QApplication::processEvents();
    }
};

TEST_F(HandleFixture, ShiftDragOfCornerHandleResizesSquarely)
{
    target->SetSelected(true);
    TDragBorder* handle = target->Borders()->Handle(kHandleBottomRight);
    ASSERT_NE(handle, nullptr);
    ASSERT_TRUE(handle->isVisible());
    EXPECT_EQ(handle->geometry(), QRect(146, 86, 8, 8)); // centred on (150, 90)

    const QPoint c(4, 4);
    testing::Press(handle, c);
    EXPECT_TRUE(target->Borders()->Resizing());
    EXPECT_EQ(target->before, 1);
    EXPECT_EQ(target->boundsSeenBefore, QRect(50, 40, 100, 50)); // before anything changed
    EXPECT_FALSE(handle->isVisible());                           // marks hide while resizing
    testing::Move(handle, c + QPoint(30, 10), Qt::ShiftModifier);
    EXPECT_EQ(target->geometry(), QRect(50, 40, 100, 50)); // only the feedback moves
    testing::Release(handle, c + QPoint(30, 10), Qt::ShiftModifier);

    EXPECT_EQ(target->geometry(), QRect(50, 40, 110, 60));
    EXPECT_EQ(target->after, 1);
    EXPECT_EQ(target->boundsSeenAfter, QRect(50, 40, 110, 60));
    EXPECT_TRUE(handle->isVisible());
    EXPECT_EQ(handle->geometry(), QRect(156, 96, 8, 8));
    EXPECT_EQ(target->Borders()->Side(3)->geometry().left(), 160);
}

TEST_F(HandleFixture, HandleModeOtherThanTwoShowsWithoutResizing)
{
    target->SetSelected(true);
    target->Borders()->SetHandleMode(1);
    TDragBorder* handle = target->Borders()->Handle(kHandleMiddleRight);
    testing::Press(handle, {4, 4});
    testing::Move(handle, {40, 4});
    testing::Release(handle, {40, 4});
    EXPECT_EQ(target->geometry(), QRect(50, 40, 100, 50));
    EXPECT_EQ(target->before, 0);
}

TEST_F(HandleFixture, FocusInEditModeSelectsAndReportsToTheHost)
{
    std::vector<std::string> reports;
    target->OnEditStart = [&](TDragCustomControl*) { reports.push_back("start"); };
    target->OnEditStop = [&](TDragCustomControl*) { reports.push_back("stop"); };

    target->setFocus();
    QApplication::processEvents();
    ASSERT_TRUE(target->hasFocus());
    EXPECT_TRUE(target->Selected());
    EXPECT_TRUE(target->Borders()->Handle(kHandleTopLeft)->isVisible());
    EXPECT_TRUE(target->Borders()->Side(1)->isVisible());

    other->setFocus();
    QApplication::processEvents();
    EXPECT_FALSE(target->Selected());
    EXPECT_FALSE(target->Borders()->Handle(kHandleTopLeft)->isVisible());
    EXPECT_EQ(reports, (std::vector<std::string>{"start", "stop"}));
}

TEST_F(HandleFixture, ReadOnlyOrInactiveControlsShowNoMarks)
{
    for (int mode = 0; mode < 2; ++mode) {
        target->SetReadOnly(mode == 0);
        target->SetInactive(mode == 1);
        target->SetSelected(true);
        target->SetOutlined(true);
        EXPECT_FALSE(target->Borders()->HandlesVisible()) << mode;
        EXPECT_FALSE(target->Borders()->OutlineVisible()) << mode;
    }
    // Back in edit mode the marks come back.
    target->SetInactive(false);
    EXPECT_TRUE(target->Borders()->Handle(kHandleBottomMiddle)->isVisible());
}

TEST_F(HandleFixture, ActiveShowsDisabledHandlesWithoutOutline)
{
    target->Borders()->Activate(true);
    EXPECT_TRUE(target->Borders()->Handle(kHandleTopRight)->isVisible());
    EXPECT_FALSE(target->Borders()->Handle(kHandleTopRight)->HandleEnabled());
    EXPECT_FALSE(target->Borders()->Side(2)->isVisible());
}

TEST_F(HandleFixture, HandlesFollowTheTargetAndItsStackingOrder)
{
    target->SetSelected(true);
    target->move(10, 10);
    EXPECT_EQ(target->Borders()->Handle(kHandleTopLeft)->geometry(), QRect(6, 6, 8, 8));
    target->Borders()->SendToBack();
    const auto kids = form.findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    EXPECT_EQ(kids.front(), target); // lowest, with its marks just above it
    target->Borders()->BringToFront();
    const auto again = form.findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    EXPECT_TRUE(qobject_cast<TDragBorder*>(again.back()) != nullptr);
}

} // namespace
} // namespace quor
