// Placing paragraphs in a box, incremental re-layout, numbering and hit testing.
#include "layout/ParagraphBuilder.h"
#include "textengine/LineRuns.h"
#include "textengine/TUVAboxModel.h"

#include <gtest/gtest.h>

namespace quor {
namespace {

using testing::FlatStyles;
using testing::MakeParagraph;

class BoxFixture : public ::testing::Test {
protected:
    FixedMetrics metrics{10, 12, 4};
    StyleTable styles = FlatStyles();
    TUVAboxModel box{metrics};

    void Load(std::vector<std::string_view> texts, int width = 100, int header = 0, int footer = 0)
    {
        ParagraphList list;
        for (auto t : texts)
            list.push_back(MakeParagraph(styles, t, metrics));
        box.SetTextWidth(width);
        box.SetParagraphs(std::move(list), header, footer);
    }
};

TEST_F(BoxFixture, ParagraphsStackBelowTheTopMargin)
{
    Load({"aaa", "bbbbbb bbbb", ""}, 100);
    // No space above: the first paragraph starts 8 pixels down.
    EXPECT_EQ(box.At(0).topY, 8);
    EXPECT_EQ(box.At(1).topY, 24);
    EXPECT_EQ(box.At(1).Lines().size(), 2u);
    EXPECT_EQ(box.At(2).topY, 56);
    EXPECT_EQ(box.ContentHeight(), 72);
}

TEST_F(BoxFixture, FirstParagraphTopFollowsItsSpaceAboveAndCellPadding)
{
    struct Case {
        int spaceAbove;
        int padding; // -1: not a table cell
        int top;
    } cases[] = {{0, -1, 8}, {6, -1, 6}, {0, 3, 3}, {6, 3, 9}};
    for (const Case& c : cases) {
        TUVAboxModel b{metrics};
        if (c.padding >= 0)
            b.SetCellPadding(c.padding);
        ParagraphList list;
        list.push_back(MakeParagraph(styles, "a", metrics));
        list[0]->Style().SetSpaceAbove(c.spaceAbove);
        b.SetParagraphs(std::move(list));
        EXPECT_EQ(b.At(0).topY, c.top) << c.spaceAbove << " " << c.padding;
        // Lines are drawn from the content top: top + space above.
        EXPECT_EQ(b.CaretAt(0, 0).y, c.top + c.spaceAbove);
    }
}

TEST_F(BoxFixture, CellPaddingNarrowsBothSides)
{
    TUVAboxModel cell{metrics};
    cell.SetCellPadding(5);
    cell.SetTextWidth(60);
    ParagraphList list;
    list.push_back(MakeParagraph(styles, "aaaa bb", metrics));
    cell.SetParagraphs(std::move(list));
    EXPECT_EQ(cell.At(0).Lines()[0].indentOffset, 5);
    EXPECT_EQ(testing::LineTexts(cell.At(0)), (std::vector<std::string>{"aaaa ", "bb"}));
}

TEST_F(BoxFixture, RelayoutTouchesOnlyTheEditedParagraphAndShiftsTheRest)
{
    Load({"one", "two", "three", "four"}, 100);
    const auto before = box.LayoutCount();
    const int thirdTop = box.At(2).topY;
    const auto* thirdLines = box.At(2).Lines().data();
    // Paragraph 1 grows to two lines.
    auto longer = MakeParagraph(styles, "two two two two", metrics);
    longer->topY = box.At(1).topY;
    longer->bottomY = box.At(1).bottomY;
    box.Paragraphs()[1] = std::move(longer);
    box.Relayout(1, 1);
    EXPECT_EQ(box.LayoutCount(), before + 1);
    EXPECT_EQ(box.At(1).Lines().size(), 2u);
    EXPECT_EQ(box.At(2).topY, thirdTop + 16);
    EXPECT_EQ(box.At(3).topY, thirdTop + 32);
    EXPECT_EQ(box.At(2).Lines().data(), thirdLines); // not re-measured, only moved
}

TEST_F(BoxFixture, WidestNeededWidthFollowsOverflowingWords)
{
    Load({"short", "averyveryverylongword"}, 100);
    EXPECT_EQ(box.WidestNeeded(), 210);
    EXPECT_EQ(box.HorizontalRange(), 210);
    box.SetTextWidth(300);
    EXPECT_EQ(box.HorizontalRange(), 0);
}

TEST_F(BoxFixture, NumberedParagraphsCountRunsAndRestart)
{
    Load({"a", "b", "c", "d", "e"});
    for (int i : {0, 1, 3, 4})
        box.At(i).Style().SetNumbering(kNumberingNumbered);
    EXPECT_EQ(box.ParagraphNumbers(), (std::vector<int>{1, 2, 0, 1, 2}));
}

TEST_F(BoxFixture, NumberAndBulletMarkersHangInTheIndent)
{
    struct Case {
        int numbering;
        int left;
        int first;
        int number;
        std::string text;
        int x;
    } cases[] = {
        {6, 40, -20, 3, "3. ", 20},   // l + I for a negative first-line indent
        {6, 40, 0, 12, "12. ", 0},    // l - width when I is smaller than the width
        {6, 40, 50, 1, "1. ", 40},    // l otherwise
        {10, 40, -20, 0, "w", 20},
        {10, 40, 10, 0, "w", 40},     // l when I is above 9
        {10, 40, 5, 0, "w", 30},      // else l - 10
        {0, 40, -20, 0, "", 0},
    };
    Load({"x"});
    for (const Case& c : cases) {
        auto& s = box.At(0).Style();
        s.SetNumbering(static_cast<std::uint8_t>(c.numbering));
        s.SetLeftIndent(c.left);
        s.SetFirstIndent(c.first);
        const NumberMarker m = box.MarkerOf(0, c.number);
        EXPECT_EQ(m.present, c.numbering != 0);
        EXPECT_EQ(m.text, c.text);
        EXPECT_EQ(m.x, c.x) << c.numbering << " " << c.first;
    }
}

TEST_F(BoxFixture, HitTestingFindsParagraphLineAndCharacter)
{
    // Paragraph 0: "abc def" in two lines ("abc " and "def"), tops 8 and 24;
    // paragraph 1: "xy" at 40.
    Load({"abc def", "xy"}, 50);
    struct Case {
        int x, y;
        int para, index, line;
    } cases[] = {
        {0, 10, 0, 0, 0},
        {14, 10, 0, 1, 0},   // right half of "b" still puts the caret before it
        {200, 10, 0, 3, 0},  // past a wrapped line: its last character
        {25, 30, 0, 6, 1},
        {200, 30, 0, 7, 1},  // past the last line: the paragraph's end
        {5, 45, 1, 0, 0},
        {200, 1000, 1, 2, 0}, // below everything: last paragraph
        {0, -50, 0, 0, 0},   // above everything: first paragraph
    };
    for (const Case& c : cases) {
        const TCaretPos p = box.HitTest(c.x, c.y);
        EXPECT_EQ(p.paragraph, c.para) << c.x << "," << c.y;
        EXPECT_EQ(p.index, c.index) << c.x << "," << c.y;
        EXPECT_EQ(p.line, c.line) << c.x << "," << c.y;
    }
    const TCaretPos p = box.HitTest(14, 10);
    EXPECT_EQ(p.x, 10);
    EXPECT_EQ(p.rightX, 20);
    EXPECT_EQ(p.y, 8);
    EXPECT_EQ(p.height, 16);
}

TEST_F(BoxFixture, OwnTextScopeSkipsHeaderAndFooter)
{
    Load({"header", "own", "footer"}, 200, 1, 1);
    EXPECT_EQ(box.HitTest(0, 0, HitScope::OwnText).paragraph, 1);
    EXPECT_EQ(box.HitTest(0, 500, HitScope::OwnText).paragraph, 1);
    EXPECT_EQ(box.HitTest(0, 0, HitScope::Full).paragraph, 0);
    EXPECT_EQ(box.HitTest(0, 500, HitScope::Full).paragraph, 2);
}

TEST_F(BoxFixture, CaretAtALineBoundaryShowsWhereTheHintSays)
{
    Load({"abc def"}, 50);
    EXPECT_EQ(box.CaretAt(0, 4).line, 1);
    EXPECT_EQ(box.CaretAt(0, 4).x, 0);
    EXPECT_EQ(box.CaretAt(0, 4, 0).line, 0);
    EXPECT_EQ(box.CaretAt(0, 4, 0).x, 40);
}

} // namespace
} // namespace quor

namespace quor {
namespace {

TEST(LineRunsTest, BreakAtFontsObjectsAndLinks)
{
    const FixedMetrics metrics{10, 12, 4};
    const StyleTable styles = testing::FlatStyles();
    auto p = testing::MakeParagraph(styles, "abcdef ghij", metrics);
    TUVAFontStyle bold(p->Style().Base());
    bold.SetStyle(kFontBold);
    p->Records()[2].runFont = p->AddRunFont(bold);       // "ab" | "cd..." bold
    p->Records()[4].link = 0x6F000001;                    // "e" a link
    testing::PlaceObject(*p, 6, 16, 30, 20);              // the space becomes an object
    ParagraphMeasurer(metrics).Remeasure(*p);
    BoxLayoutState box{300, 0, 300};
    p->Style().SetLeftIndent(5);
    ParagraphLayout::LayOut(*p, 0, box);
    const auto runs = LineRuns::Of(*p, p->Lines()[0]);
    ASSERT_EQ(runs.size(), 6u);
    struct Expected {
        int start, count, x, link, object, style;
    } expected[] = {{0, 2, 5, -1, -1, 0},   {2, 2, 25, -1, -1, 1}, {4, 1, 45, 0x6F000001, -1, 1 ^ 4},
                    {5, 1, 55, -1, -1, 1},  {6, 1, 65, -1, 0, 1},  {7, 4, 95, -1, -1, 1}};
    for (std::size_t k = 0; k < runs.size(); ++k) {
        EXPECT_EQ(runs[k].start, expected[k].start) << k;
        EXPECT_EQ(runs[k].count, expected[k].count) << k;
        EXPECT_EQ(runs[k].x, expected[k].x) << k;
        EXPECT_EQ(runs[k].link, expected[k].link) << k;
        EXPECT_EQ(runs[k].object, expected[k].object) << k;
        EXPECT_EQ(runs[k].font.style, expected[k].style) << k;
    }
}

} // namespace
} // namespace quor
