// The caret: blinking on the shared 500 ms timer in the focused box only,
// solid after typing, and drawn by inverting the pixels under it.
#include "textengine/BoxFixture.h"

#include "textengine/TUVAcursor.h"

#include <QElapsedTimer>
#include <QLineEdit>

namespace quor::testing {
namespace {

class BoxCaret : public BoxFixture {};

TEST_F(BoxCaret, BlinksEveryHalfSecondWhileFocused)
{
    Load("<Z S0 >abc");
    TUVAcursor& caret = box->Caret();
    ASSERT_TRUE(box->hasFocus());
    EXPECT_TRUE(caret.Blinking());
    EXPECT_EQ(TUVAcursor::SharedTimer().interval(), 500);
    EXPECT_TRUE(caret.Shown());

    // Each tick toggles the bar (this slot runs after the caret's own).
    QElapsedTimer clock;
    clock.start();
    std::vector<std::pair<qint64, bool>> ticks;
    const auto conn = QObject::connect(&TUVAcursor::SharedTimer(), &QTimer::timeout,
                                       [&] { ticks.emplace_back(clock.elapsed(), caret.Shown()); });
    EXPECT_TRUE(QTest::qWaitFor([&] { return ticks.size() >= 3; }, 4000));
    QObject::disconnect(conn);
    ASSERT_GE(ticks.size(), 3u);
    EXPECT_GE(ticks[0].first, 450);
    EXPECT_GE(ticks[1].first - ticks[0].first, 450);
    EXPECT_FALSE(ticks[0].second);
    EXPECT_TRUE(ticks[1].second);
    EXPECT_FALSE(ticks[2].second);

    // Typing shows the caret solid at once.
    ASSERT_FALSE(caret.Shown());
    Type("x");
    EXPECT_TRUE(caret.Shown());
    EXPECT_EQ(box->Caret().Rect().left(), box->Editor().Caret().x);
}

TEST_F(BoxCaret, OnlyTheFocusedBoxBlinks)
{
    Load("<Z S0 >abc");
    auto* other = new TUVAbox(&window);
    other->setGeometry(10, 150, 200, 100);
    other->LoadText("<Z S0 >other", &styles);
    other->show();
    other->setFocus();
    QApplication::processEvents();
    EXPECT_TRUE(other->Caret().Blinking());
    EXPECT_FALSE(box->Caret().Blinking());
    EXPECT_FALSE(box->Caret().Shown()); // the box that lost the focus shows no caret
    auto* edit = new QLineEdit(&window);
    edit->show();
    edit->setFocus();
    QApplication::processEvents();
    EXPECT_EQ(TUVAcursor::BlinkingCaret(), nullptr);
    EXPECT_FALSE(TUVAcursor::SharedTimer().isActive());
}

TEST_F(BoxCaret, BarFollowsTheCaretAndInvertsWhatIsUnderIt)
{
    Load("<Z S0 >abc");
    Key(Qt::Key_End);
    const TCaretPos c = box->Editor().Caret();
    EXPECT_EQ(box->Caret().Rect(), QRect(c.x, c.y, 3, c.height));
    ASSERT_TRUE(box->Caret().Shown());
    const QImage shown = box->grab().toImage();
    // Silver (192) inverted against white is 63.
    EXPECT_EQ(shown.pixelColor(c.x + 1, c.y + 1), QColor(63, 63, 63));
    box->Caret().Stop();
    const QImage hidden = box->grab().toImage();
    EXPECT_EQ(hidden.pixelColor(c.x + 1, c.y + 1), QColor(0xC0, 0xC0, 0xC0));
}

} // namespace
} // namespace quor::testing
