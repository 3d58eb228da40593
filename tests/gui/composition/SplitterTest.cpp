// Splitter bars: dragging against each side, limits, refusal of undocked
// targets, and the stripes of creation bars.
#include "composition/GuiEvents.h"
#include "composition/TAlign.h"
#include "composition/TTigerSplit.h"
#include "composition/TUVASplit.h"
#include "composition/TWZuSplit.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace quor {
namespace {

struct SplitFixture : ::testing::Test {
    QWidget parent;
    QWidget* target = nullptr;
    QWidget* rest = nullptr;
    TWZuSplit* split = nullptr;
    std::vector<std::string> events;

    void Build(TAlign align, int size)
    {
        parent.resize(400, 300);
        target = new QWidget(&parent);
        target->resize(size, size);
        SetControlAlign(target, align);
        split = new TWZuSplit(&parent);
        split->resize(3, 3);
        rest = new QWidget(&parent);
        SetControlAlign(rest, TAlign::alClient);
        ASSERT_TRUE(split->SetTargetControl(target));
        ArrangeAligned(&parent);
        split->OnBeginSplit = [this](TWZuSplit*) { events.push_back("begin"); };
        split->OnEndingSplit = [this](TWZuSplit*) { events.push_back("ending"); };
        split->OnEndSplit = [this](TWZuSplit*) { events.push_back("end"); };
        parent.show();
    }

    // Drags the bar by the given steps along its axis, then releases.
    void Drag(std::initializer_list<int> steps, Qt::KeyboardModifiers mods = Qt::NoModifier)
    {
        const QPoint start(1, 1);
        testing::Press(split, start, mods);
        QPoint last = start;
        for (int s : steps) {
            last = split->IsVertical() ? start + QPoint(s, 0) : start + QPoint(0, s);
            testing::Move(split, last, mods);
        }
        testing::Release(split, last, mods);
    }
};

TEST_F(SplitFixture, LeftTargetGrowsWithTheOffsetAndNeighboursFollow)
{
    Build(TAlign::alLeft, 100);
    EXPECT_TRUE(split->IsVertical());
    EXPECT_EQ(split->geometry(), QRect(100, 0, 3, 300));
    Drag({20, 50});
    EXPECT_EQ(target->width(), 150);
    EXPECT_EQ(split->x(), 150);
    EXPECT_EQ(rest->geometry(), QRect(153, 0, 247, 300));
    EXPECT_EQ(events, (std::vector<std::string>{"begin", "ending", "end"}));
}

TEST_F(SplitFixture, BottomTargetShrinksWhenTheBarMovesDown)
{
    Build(TAlign::alBottom, 80);
    EXPECT_FALSE(split->IsVertical());
    Drag({30});
    EXPECT_EQ(target->height(), 50);
    EXPECT_EQ(target->y(), 250);
}

TEST_F(SplitFixture, LineStopsAtTheLimits)
{
    Build(TAlign::alLeft, 100);
    split->SetMintargetlimit(80);
    split->SetMaxTargetLimit(150); // at most 400 - 150 = 250
    Drag({-10, -20, -30, -60});    // 90, 80, then refused twice
    EXPECT_EQ(target->width(), 80);
    Drag({100, 170, 200}); // 180, 250, then 280 refused
    EXPECT_EQ(target->width(), 250);
}

TEST_F(SplitFixture, OnlyAPlainLeftPressOnASizeableBarDrags)
{
    Build(TAlign::alLeft, 100);
    Drag({40}, Qt::ShiftModifier);
    EXPECT_EQ(target->width(), 100);
    split->SetSizeable(false);
    Drag({40});
    EXPECT_EQ(target->width(), 100);
    EXPECT_EQ(split->cursor().shape(), Qt::ArrowCursor);
    EXPECT_TRUE(events.empty());
}

TEST(SplitTargets, UndockedTargetsAreRefused)
{
    QWidget parent;
    QWidget* loose = new QWidget(&parent);
    TWZuSplit plain(&parent);
    EXPECT_FALSE(plain.SetTargetControl(loose));
    EXPECT_EQ(plain.TargetControl(), nullptr);

    TUVASplit frames(&parent);
    try {
        frames.SetTargetControl(loose);
        FAIL() << "no exception";
    } catch (const std::invalid_argument& e) {
        EXPECT_STREQ(e.what(), "TargetControl's align must be left, right, top or bottom");
    }
}

TEST(SplitTargets, FrameSplitterPlacesItselfAfterItsTarget)
{
    QWidget parent;
    QWidget* top = new QWidget(&parent);
    top->setGeometry(0, 0, 300, 120);
    SetControlAlign(top, TAlign::alTop);
    TUVASplit bar(&parent);
    bar.SetTargetControl(top);
    EXPECT_EQ(bar.y(), 120);
    EXPECT_EQ(bar.cursor().shape(), Qt::SplitVCursor);
}

TEST(TigerStripes, CountFollowsLengthAndLineStep)
{
    TTigerSplit bar;
    bar.resize(100, 6); // an undocked bar is horizontal
    EXPECT_EQ(bar.StripePositions().size(), 9u);
    EXPECT_EQ(bar.StripePositions().front(), 10);
    bar.SetTrucco(3);
    EXPECT_EQ(bar.StripePositions().back(), 93);
    bar.SetLineStep(0); // refused: the step must be positive
    EXPECT_EQ(bar.LineStep(), 10);
    bar.SetLineStep(25);
    EXPECT_EQ(bar.StripePositions().size(), 3u);
    bar.SetTiger(false);
    EXPECT_TRUE(bar.StripePositions().empty());
}

} // namespace
} // namespace quor
