// The ruler: marker drags and the values they give, limits, unit changes,
// events and the drag hint.
#include "composition/GuiEvents.h"
#include "composition/TInvertFeedback.h"
#include "composition/TZuRuler.h"

#include <gtest/gtest.h>

namespace quor {
namespace {

// 254 pixels per inch: one millimetre is exactly 10 pixels.
struct RulerFixture : ::testing::Test {
    QWidget form;
    QWidget* page = nullptr;
    TZuRuler* ruler = nullptr;
    std::vector<std::string> events;

    void SetUp() override
    {
        form.resize(700, 300);
        ruler = new TZuRuler(&form);
        ruler->setGeometry(0, 0, 640, 20);
        page = new QWidget(&form);
        page->setGeometry(0, 30, 640, 200);
        ruler->SetPixelsPerInch(254);
        ruler->SetWindowStartOfs(10);
        ruler->SetWindowSize(600); // 60 mm
        ruler->SetMargLeft(10);
        ruler->SetIndent(5);
        ruler->SetMargRight(10);
        ruler->OnIndentChangedAfterMove = [this](TZuRuler*) { events.push_back("indent"); };
        ruler->OnLeftChangedAfterMove = [this](TZuRuler*) { events.push_back("left"); };
        ruler->OnIAndLChangedAfterMove = [this](TZuRuler*) { events.push_back("i+l"); };
        ruler->OnRightChangedAfterMove = [this](TZuRuler*) { events.push_back("right"); };
        ruler->OnMoveStart = [this](TZuRuler*) { events.push_back("start"); };
        ruler->OnMoveStop = [this](TZuRuler*) { events.push_back("stop"); };
        ruler->OnGetTarget = [this](TZuRuler*, QWidget*& t) { t = page; };
        form.show();
    }

    QPoint Centre(TZuRuler::MarkerId id) const
    {
        const int top = id == TZuRuler::kFirstLine ? 0 : id == TZuRuler::kBox ? 14 : 6;
        return {10 + ruler->Marker(id).ShownPosition(), top + 3};
    }

    void Drag(TZuRuler::MarkerId id, int dx)
    {
        const QPoint p = Centre(id);
        testing::Press(ruler, p);
        ASSERT_EQ(ruler->Dragging(), id);
        testing::Move(ruler, p + QPoint(dx, 0));
        testing::Release(ruler, p + QPoint(dx, 0));
    }
};

TEST_F(RulerFixture, ValuesPlaceTheMarkers)
{
    EXPECT_EQ(ruler->Marker(TZuRuler::kLeft).Position(), 100);
    EXPECT_EQ(ruler->Marker(TZuRuler::kBox).Position(), 100);
    EXPECT_EQ(ruler->Marker(TZuRuler::kFirstLine).Position(), 150);
    EXPECT_EQ(ruler->Marker(TZuRuler::kRight).Position(), 500);
    for (auto id : {TZuRuler::kFirstLine, TZuRuler::kLeft, TZuRuler::kBox, TZuRuler::kRight})
        EXPECT_EQ(ruler->MarkerAt(Centre(id)), id);
}

TEST_F(RulerFixture, LeftMarkerMovesTheMarginAndKeepsTheFirstLine)
{
    Drag(TZuRuler::kLeft, 50); // 5 mm right
    EXPECT_NEAR(ruler->MargLeft(), 15, 1e-4);
    EXPECT_NEAR(ruler->Indent(), 0, 1e-4);
    EXPECT_EQ(ruler->Marker(TZuRuler::kFirstLine).Position(), 150);
    EXPECT_EQ(ruler->Marker(TZuRuler::kBox).Position(), 150);
    EXPECT_EQ(events, (std::vector<std::string>{"start", "i+l", "stop"}));
}

TEST_F(RulerFixture, BoxMovesBothIndentMarkers)
{
    Drag(TZuRuler::kBox, -30);
    EXPECT_NEAR(ruler->MargLeft(), 7, 1e-4);
    EXPECT_NEAR(ruler->Indent(), 5, 1e-4);
    EXPECT_EQ(ruler->Marker(TZuRuler::kFirstLine).Position(), 120);
    EXPECT_EQ(events.at(1), "left");
}

TEST_F(RulerFixture, FirstLineAndRightMarkersSetIndentAndRightMargin)
{
    Drag(TZuRuler::kFirstLine, -80); // to 70: 3 mm left of the left indent
    EXPECT_NEAR(ruler->Indent(), -3, 1e-4);
    EXPECT_NEAR(ruler->MargLeft(), 10, 1e-4);
    Drag(TZuRuler::kRight, 40);
    EXPECT_NEAR(ruler->MargRight(), 6, 1e-4);
    EXPECT_EQ(events, (std::vector<std::string>{"start", "indent", "stop", "start", "right", "stop"}));
}

TEST_F(RulerFixture, MarkersStopAtEachOther)
{
    Drag(TZuRuler::kRight, -450); // may not pass the first-line marker at 150
    EXPECT_EQ(ruler->Marker(TZuRuler::kRight).Position(), 150);
    EXPECT_NEAR(ruler->MargRight(), 45, 1e-4);
    Drag(TZuRuler::kLeft, 200); // may not pass the right marker
    EXPECT_EQ(ruler->Marker(TZuRuler::kLeft).Position(), 150);
    Drag(TZuRuler::kBox, -500); // stops at the window start
    EXPECT_NEAR(ruler->MargLeft(), 0, 1e-4);
}

TEST_F(RulerFixture, OutOfRangeMarkerComesBackOnDoubleClick)
{
    ruler->SetIndent(-15); // first line at -50: left of the window
    const TZuMarker& first = ruler->Marker(TZuRuler::kFirstLine);
    EXPECT_TRUE(first.OutOfRange());
    EXPECT_EQ(first.ShownPosition(), 0);
    testing::DoubleClick(ruler, Centre(TZuRuler::kFirstLine));
    EXPECT_FALSE(first.OutOfRange());
    EXPECT_NEAR(ruler->Indent(), -10, 1e-4);
    EXPECT_EQ(events, (std::vector<std::string>{"indent"}));
}

TEST_F(RulerFixture, GuideAndHintShowWhileDragging)
{
    const QPoint p = Centre(TZuRuler::kLeft);
    testing::Press(ruler, p);
    testing::Move(ruler, p + QPoint(20, 0));
    auto guides = page->findChildren<TInvertFeedback*>();
    ASSERT_EQ(guides.size(), 1);
    EXPECT_EQ(guides.front()->FeedbackRect(), QRect(130, 0, 1, 200));
    EXPECT_EQ(ruler->HintText(), QStringLiteral("3  [12:10]"));
    testing::Release(ruler, p + QPoint(20, 0));
    EXPECT_TRUE(page->findChildren<TInvertFeedback*>().isEmpty());
}

TEST_F(RulerFixture, UnitChangeConvertsTheValues)
{
    ruler->SetUnitOfMeasure(TZuUnitOfMeasure::umCentimetres);
    EXPECT_NEAR(ruler->MargLeft(), 1.0, 1e-4);
    EXPECT_NEAR(ruler->Indent(), 0.5, 1e-4);
    ruler->SetUnitOfMeasure(TZuUnitOfMeasure::umPixel);
    EXPECT_NEAR(ruler->MargLeft(), 100, 1e-3);
    EXPECT_EQ(ruler->Marker(TZuRuler::kFirstLine).Position(), 150); // markers stay put
}

TEST(RulerScale, TickStepAndLabelFactorByUnit)
{
    TZuRuler r;
    r.SetPixelsPerInch(96);
    struct Case { TZuUnitOfMeasure unit; double step; int factor; };
    const Case cases[] = {
        {TZuUnitOfMeasure::umCentimetres, 96 / 25.4, 1},
        {TZuUnitOfMeasure::umMillimeters, 96 / 25.4, 10},
        {TZuUnitOfMeasure::umInches, 9, 1}, // whole pixels: 96 / 10
        {TZuUnitOfMeasure::umPoints, 9, 72},
        {TZuUnitOfMeasure::umPica, 9, 12},
        {TZuUnitOfMeasure::umPixel, 10, 100},
    };
    for (const auto& c : cases) {
        r.SetUnitOfMeasure(c.unit);
        EXPECT_NEAR(r.TickStep(), c.step, 1e-9) << static_cast<int>(c.unit);
        EXPECT_EQ(r.LabelFactor(), c.factor);
    }
    r.SetDivisions(1); // counts as 2
    EXPECT_EQ(r.TickStep(), 50);
}

} // namespace
} // namespace quor
