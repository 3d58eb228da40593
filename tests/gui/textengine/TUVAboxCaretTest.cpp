// The caret: blinking on the shared 500 ms timer in the focused box only,
// solid after typing, and drawn by inverting the pixels under it.
#include "textengine/BoxFixture.h"

#include "textengine/TUVAcursor.h"

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

    QTest::qWait(350);
    EXPECT_TRUE(caret.Shown()); // not yet
    QTest::qWait(300);          // ~650 ms: one tick
    EXPECT_FALSE(caret.Shown());
    QTest::qWait(500);          // ~1150 ms: the next tick
    EXPECT_TRUE(caret.Shown());

    // Typing shows the caret solid and starts the phase again.
    QTest::qWait(500);
    EXPECT_FALSE(caret.Shown());
    Type("x");
    EXPECT_TRUE(caret.Shown());
    QTest::qWait(300);
    EXPECT_TRUE(caret.Shown());
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
