// Line breaking, indents, alignment, line heights and objects of one paragraph.
#include "layout/ParagraphBuilder.h"
#include "textengine/ParagraphLayout.h"

#include <gtest/gtest.h>

namespace quor {
namespace {

using testing::FlatStyles;
using testing::LineTexts;
using testing::MakeParagraph;
using testing::PlaceObject;

struct BreakCase {
    const char* name;
    std::string_view text;
    int width;
    std::vector<std::string> lines;
    int widest; // box's widest needed width afterwards
};

class LineBreaking : public ::testing::TestWithParam<BreakCase> {};

TEST_P(LineBreaking, FitsWordsIntoWidth)
{
    const FixedMetrics metrics{10};
    const StyleTable styles = FlatStyles();
    const BreakCase& c = GetParam();
    auto p = MakeParagraph(styles, c.text, metrics);
    BoxLayoutState box{c.width, 0, c.width};
    ParagraphLayout::LayOut(*p, 0, box);
    EXPECT_EQ(LineTexts(*p), c.lines);
    EXPECT_EQ(box.widestNeeded, c.widest);
}

INSTANTIATE_TEST_SUITE_P(
    Widths, LineBreaking,
    ::testing::Values(
        BreakCase{"AllFits", "hello world", 200, {"hello world"}, 200},
        BreakCase{"BreaksAfterSpace", "hello world", 70, {"hello ", "world"}, 70},
        // The space leaves exactly 0 and overflows onto the line; the break follows it.
        BreakCase{"SpaceFillingLineStays", "hello world", 60, {"hello ", "world"}, 60},
        // "d" would leave exactly 0 pixels: it does not fit, the word moves down.
        BreakCase{"ExactFillMovesDown", "ab cd", 50, {"ab ", "cd"}, 50},
        BreakCase{"OnePixelSpareFits", "ab cd", 51, {"ab cd"}, 51},
        // A word wider than the line overflows it and is never split; the
        // trailing space overflows with it and counts in the needed width.
        BreakCase{"LongWordOverflows", "a verylongword b", 60, {"a ", "verylongword ", "b"}, 130},
        BreakCase{"ManyBreaks", "aa bb cc dd", 40, {"aa ", "bb ", "cc ", "dd"}, 40},
        // Characters wider than an empty line sit alone, one per line.
        BreakCase{"CharWiderThanLine", "ab", 5, {"a", "b"}, 10},
        BreakCase{"TrailingSpacesStay", "ab   cd", 60, {"ab   ", "cd"}, 60},
        BreakCase{"EmptyParagraph", "", 100, {""}, 100}),
    [](const auto& info) { return std::string(info.param.name); });

// A paragraph laid out with its own overrides on a flat style.
class ParagraphFixture : public ::testing::Test {
protected:
    FixedMetrics metrics{10, 12, 4};
    StyleTable styles = FlatStyles();

    std::unique_ptr<TUVAparag> Para(std::string_view text) { return MakeParagraph(styles, text, metrics); }
    int LayOut(TUVAparag& p, int width, int top = 0)
    {
        box = BoxLayoutState{width, 0, width};
        return ParagraphLayout::LayOut(p, top, box, objects);
    }
    BoxLayoutState box;
    IObjectLayout* objects = nullptr;
};

TEST_F(ParagraphFixture, IndentsNarrowTheLinesAndPlaceTheirStarts)
{
    auto p = Para("aaaa bbbb cccc dddd");
    p->Style().SetLeftIndent(30);
    p->Style().SetRightIndent(20);
    p->Style().SetFirstIndent(15);
    LayOut(*p, 165); // first line 165-50-15 = 100 wide, the others 115
    EXPECT_EQ(LineTexts(*p), (std::vector<std::string>{"aaaa ", "bbbb cccc ", "dddd"}));
    EXPECT_EQ(p->Lines()[0].indentOffset, 45);
    EXPECT_EQ(p->Lines()[1].indentOffset, 30);
    EXPECT_EQ(p->Lines()[0].usedWidth, 50);
    EXPECT_EQ(p->Lines()[1].usedWidth, 100);
}

TEST_F(ParagraphFixture, HangingIndentIsDroppedForNumberedParagraphs)
{
    struct Case {
        int numbering;
        int firstIndent;
        int firstLineX;
    } cases[] = {{6, -20, 40}, {10, -20, 40}, {0, -20, 20}, {6, 15, 55}};
    for (const Case& c : cases) {
        auto p = Para("abc def");
        p->Style().SetLeftIndent(40);
        p->Style().SetNumbering(static_cast<std::uint8_t>(c.numbering));
        p->Style().SetFirstIndent(c.firstIndent);
        LayOut(*p, 300);
        EXPECT_EQ(p->Lines()[0].indentOffset, c.firstLineX) << c.numbering << " " << c.firstIndent;
    }
}

TEST_F(ParagraphFixture, AlignmentOffsetsUseTheRemainingWidth)
{
    struct Case {
        int alignment;
        std::string_view text;
        int offset;
    } cases[] = {
        {0, "abc", 0},
        {1, "abc", 71},
        {2, "abc", 35}, // half of 71, rounded down
        {1, "ab ", 71}, // the trailing space counts: shifted left by its width
        {7, "abc", 0},  // unknown alignment values act as left
    };
    for (const Case& c : cases) {
        auto p = Para(c.text);
        p->Style().SetAlignment(static_cast<std::uint8_t>(c.alignment));
        LayOut(*p, 101);
        EXPECT_EQ(p->Lines()[0].alignOffset, c.offset) << c.alignment << " '" << c.text << "'";
    }
}

TEST_F(ParagraphFixture, OverflowingLineIsAlignedAsIfFull)
{
    auto p = Para("abcdefgh");
    p->Style().SetAlignment(1);
    LayOut(*p, 50);
    EXPECT_EQ(p->Lines()[0].alignOffset, 0);
    EXPECT_EQ(p->Lines()[0].usedWidth, 50);
}

TEST_F(ParagraphFixture, LineHeightsAutomaticFixedAndEmpty)
{
    struct Case {
        std::string_view text;
        int fixed;
        std::vector<int> ys;
        int height;
    } cases[] = {
        {"aa bb", 0, {0, 16}, 16},
        {"aa bb", -32000, {0, 16}, 16},
        {"aa bb", 10, {0, 10}, 10}, // smaller than the text: lines overlap
        {"aa bb", 30, {0, 30}, 30},
        {"", 0, {0}, 16},           // the paragraph font's height
    };
    for (const Case& c : cases) {
        auto p = Para(c.text);
        p->Style().SetLineHeight(c.fixed);
        LayOut(*p, 30);
        std::vector<int> ys;
        for (const auto& l : p->Lines()) {
            ys.push_back(l.y);
            EXPECT_EQ(l.height, c.height) << c.fixed;
        }
        EXPECT_EQ(ys, c.ys) << c.fixed;
    }
}

TEST_F(ParagraphFixture, SpaceAboveAndBelowEnlargeTheParagraph)
{
    auto p = Para("aa bb");
    p->Style().SetSpaceAbove(5);
    p->Style().SetSpaceBelow(7);
    const int next = LayOut(*p, 30, 100);
    EXPECT_EQ(next, 100 + 5 + 16 + 16 + 7);
    EXPECT_EQ(p->topY, 100);
    EXPECT_EQ(p->bottomY, next - 1);
}

TEST_F(ParagraphFixture, SubAndSuperscriptEnlargeTheLine)
{
    struct Case {
        std::uint8_t position;
        int height;
        int ascent;
    } cases[] = {{kPositionNormal, 16, 12}, {kPositionSubscript, 24, 12}, {kPositionSuperscript, 24, 20}};
    for (const Case& c : cases) {
        auto p = Para("abcd");
        TUVAFontStyle run(p->Style().Base());
        run.SetPosition(c.position);
        p->Records()[2].runFont = p->AddRunFont(run);
        ParagraphMeasurer(metrics).Remeasure(*p);
        LayOut(*p, 200);
        EXPECT_EQ(p->Lines()[0].height, c.height) << int(c.position);
        EXPECT_EQ(p->Lines()[0].ascent, c.ascent) << int(c.position);
    }
}

// Sizes objects as the composition layer would.
class FakeObjects : public IObjectLayout {
public:
    ObjectMeasure measure;
    std::vector<int> availableSeen;
    ObjectMeasure FitObject(const EmbeddedObject&, int availableWidth) override
    {
        availableSeen.push_back(availableWidth);
        return measure;
    }
};

TEST_F(ParagraphFixture, ObjectsSetTheLineHeightByTheirAlignment)
{
    struct Case {
        const char* what;
        int kind;
        ObjectMeasure measure;
        int ascent;
        int height;
    } cases[] = {
        {"centred on the baseline", 11, {30, 40, 0, false}, 20, 40},   // non-pictures count as code 4
        {"picture on the baseline", 16, {30, 40, 0, false}, 40, 44},
        {"picture hanging below", 16, {30, 40, 3, false}, 12, 52},
        {"picture centred", 16, {30, 40, 4, false}, 20, 40},
        {"form input two pixels taller", 20, {30, 40, 0, false}, 21, 42},
        {"hidden control", 11, {30, 40, 4, true}, 12, 17},
    };
    for (const Case& c : cases) {
        auto p = Para("ab c");
        PlaceObject(*p, 2, c.kind, 0, 0);
        FakeObjects fake;
        fake.measure = c.measure;
        objects = &fake;
        LayOut(*p, 200);
        ASSERT_EQ(p->Lines().size(), 1u) << c.what;
        EXPECT_EQ(p->Lines()[0].ascent, c.ascent) << c.what;
        EXPECT_EQ(p->Lines()[0].height, c.height) << c.what;
        EXPECT_EQ(p->Lines()[0].usedWidth, 30 + (c.measure.hidden ? 0 : c.measure.width)) << c.what;
    }
}

TEST_F(ParagraphFixture, ObjectWiderThanTheLineGetsALineOfItsOwnAndWidensTheBox)
{
    auto p = Para("ab X cd");
    PlaceObject(*p, 3, 16, 150, 20);
    FakeObjects fake;
    fake.measure = {150, 20, 0, false};
    objects = &fake;
    LayOut(*p, 100);
    EXPECT_EQ(LineTexts(*p), (std::vector<std::string>{"ab ", " ", " cd"}));
    EXPECT_EQ(box.widestNeeded, 150);
    // Each object is told the available width of the line it goes on.
    EXPECT_EQ(fake.availableSeen, std::vector<int>{100});
}

TEST_F(ParagraphFixture, ObjectsWithoutControlsKeepTheirRecordedSize)
{
    auto p = Para("a b");
    PlaceObject(*p, 1, 11, 20, 30);
    LayOut(*p, 200);
    EXPECT_EQ(p->Records()[1].ascent, 15);
    EXPECT_EQ(p->Lines()[0].height, 15 + 15);
}

} // namespace
} // namespace quor
