// Painting: what the markup says shows where layout put it.
#include "textengine/BoxFixture.h"

#include "textengine/QtFontMetrics.h"
#include "textengine/TUVAcursor.h"

namespace quor::testing {
namespace {

class BoxPaint : public BoxFixture {
protected:
    // Pixels in `r` whose colour is close to `c`.
    static int Count(const QImage& img, const QRect& r, const QColor& c)
    {
        int n = 0;
        for (int y = r.top(); y <= r.bottom(); ++y)
            for (int x = r.left(); x <= r.right(); ++x) {
                const QColor p = img.pixelColor(x, y);
                if (std::abs(p.red() - c.red()) < 40 && std::abs(p.green() - c.green()) < 40 &&
                    std::abs(p.blue() - c.blue()) < 40)
                    ++n;
            }
        return n;
    }

    QRect LineRect(int para, int from, int to) const
    {
        const TCaretPos a = box->Model().CaretAt(para, from);
        const TCaretPos b = box->Model().CaretAt(para, to);
        return QRect(a.x, a.y, b.x - a.x, a.height);
    }
};

TEST_F(BoxPaint, RunsShowInTheirColoursAndTheSelectionIsHighlighted)
{
    // "red" in red, then "blue" in blue, then plain text (colours are RRGGBB).
    Load("<Z S0 s14 ><Y cFF0000 >red<Y c0000FF >blue<Y c000000 > plain text");
    box->Caret().Stop();
    QImage img = box->grab().toImage();
    EXPECT_GT(Count(img, LineRect(0, 0, 3), QColor(0xFF, 0, 0)), 5);
    EXPECT_EQ(Count(img, LineRect(0, 0, 3), QColor(0, 0, 0xFF)), 0);
    EXPECT_GT(Count(img, LineRect(0, 3, 7), QColor(0, 0, 0xFF)), 5);
    EXPECT_EQ(Count(img, LineRect(0, 3, 7), QColor(0xFF, 0, 0)), 0);

    box->Editor().Select(0, 8, 0, 13);
    box->update();
    img = box->grab().toImage();
    const QColor highlight = box->palette().color(QPalette::Highlight);
    const QRect sel = LineRect(0, 8, 13);
    EXPECT_GT(Count(img, sel, highlight), sel.width() * sel.height() / 2);
    EXPECT_EQ(Count(img, LineRect(0, 14, 17), highlight), 0);
}

TEST_F(BoxPaint, NumbersStandLeftOfTheTextAndHeadersAreShaded)
{
    // Two numbered paragraphs with a hanging first line of 20 pixels.
    Load("<Z S0 N6 I-20 l40 >first<Z S0 N6 I-20 l40 >second");
    box->Caret().Stop();
    const QImage img = box->grab().toImage();
    const TUVAparag& par = box->Model().At(0);
    const TCaretPos start = box->Model().CaretAt(0, 0);
    EXPECT_EQ(start.x, 40); // the text starts at the left indent
    // Something is drawn where the number hangs, left of the text.
    const QRect numberArea(20, par.topY, 18, start.height);
    EXPECT_GT(Count(img, numberArea, Qt::black), 3);
    EXPECT_EQ(box->Model().ParagraphNumbers(), (std::vector<int>{1, 2}));
}

TEST_F(BoxPaint, SpellingMarksAreUnderlinedInRed)
{
    Load("<Z S0 >good bda word");
    box->Caret().Stop();
    box->Model().At(0).spellMarks = "     !!!     ";
    box->update();
    const QImage img = box->grab().toImage();
    const TCaretPos a = box->Model().CaretAt(0, 5);
    const TCaretPos b = box->Model().CaretAt(0, 8);
    const TCaretPos c = box->Model().CaretAt(0, 9);
    const int baseline = a.y + box->Model().At(0).Lines()[0].ascent;
    EXPECT_GT(Count(img, QRect(a.x, baseline + 1, b.x - a.x, 2), Qt::red), 3);
    EXPECT_EQ(Count(img, QRect(c.x, baseline + 1, 20, 2), Qt::red), 0);
}

} // namespace
} // namespace quor::testing
