// Sharing a split frame's length among its children.
#include "composition/frames/FrameSizing.h"

#include <gtest/gtest.h>

namespace quor {
namespace {

struct SizingCase {
    const char* what;
    std::vector<FrameSizeInput> children;
    int length;
    std::vector<int> sizes;
};

class FrameSizing : public ::testing::TestWithParam<SizingCase> {};

TEST_P(FrameSizing, SharesTheFreeLength)
{
    const auto& c = GetParam();
    EXPECT_EQ(ShareFrameLength(c.children, c.length).sizes, c.sizes) << c.what;
}

// Free length = length - splitters between children (3 each unless said).
INSTANTIATE_TEST_SUITE_P(Cases, FrameSizing, ::testing::Values(
    SizingCase{"percent then last fills", {{0, 25}, {0, 75}}, 403, {100, 300}},
    SizingCase{"pixels then last fills", {{1, 0, 120}, {0, 100}}, 503, {120, 380}},
    SizingCase{"rest takes what percent and pixels leave",
               {{0, 20}, {2, 0, 0, 50}, {1, 0, 100}, {0, 10}}, 1009, {200, 700, 100, 0}},
    SizingCase{"rest between fixed frames",
               {{0, 20}, {2, 0, 0, 50}, {0, 100}}, 1006, {200, 800, 0}},
    SizingCase{"rest keeps its old size when nothing is left",
               {{0, 80}, {1, 0, 300}, {2, 0, 0, 44}, {0, 100}}, 309, {240, 300, 44, 0}},
    SizingCase{"unknown size kind counts 10 pixels", {{7}, {0}}, 103, {10, 90}},
    SizingCase{"spacing of each splitter", {{0, 50, 20, 0, 10}, {0, 50, 20, 0, 0}}, 110, {50, 50}},
    SizingCase{"single child fills", {{0, 30}}, 77, {77}},
    SizingCase{"last never negative", {{1, 0, 500}, {0}}, 103, {500, 0}}));

TEST(FrameSizingPercent, PixelFramesRecomputeTheirPercent)
{
    const auto r = ShareFrameLength({{1, 0, 150}, {0, 100}}, 603);
    EXPECT_EQ(r.freeLength, 600);
    EXPECT_EQ(r.percents[0], 25);
    EXPECT_EQ(PercentOf(1, 3), 33);
    EXPECT_EQ(PercentOf(2, 3), 67);
    EXPECT_EQ(PercentOf(5, 0), 0);
}

} // namespace
} // namespace quor
