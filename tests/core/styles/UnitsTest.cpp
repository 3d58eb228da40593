// Unit conversion: hand-worked values at 96 pixels per inch.
#include "model/Units.h"

#include <gtest/gtest.h>

namespace quor {
namespace {

struct ConvertCase {
    float value;
    int from;
    int to;
    float expected;
};

class UnitConversion : public ::testing::TestWithParam<ConvertCase> {};

TEST_P(UnitConversion, MatchesHandWorkedValue)
{
    const auto& c = GetParam();
    EXPECT_NEAR(ConvertUnit(c.value, c.from, c.to, 96), c.expected, 1e-3f)
        << "from " << c.from << " to " << c.to;
}

INSTANTIATE_TEST_SUITE_P(
    Table, UnitConversion,
    ::testing::Values(
        // A pica is 6 points: 1/12 inch, 8 pixels at 96 ppi.
        ConvertCase{1, kUnitPicas, kUnitPoints, 6}, ConvertCase{1, kUnitPicas, kUnitInches, 1.0f / 12},
        ConvertCase{1, kUnitPicas, kUnitPixels, 8}, ConvertCase{1, kUnitInches, kUnitPicas, 12},
        ConvertCase{1, kUnitInches, kUnitMillimetres, 25.4f}, ConvertCase{1, kUnitInches, kUnitCentimetres, 2.54f},
        ConvertCase{1, kUnitInches, kUnitPixels, 96}, ConvertCase{72, kUnitPoints, kUnitInches, 1},
        ConvertCase{2.54f, kUnitCentimetres, kUnitPoints, 72}, ConvertCase{1, kUnitCentimetres, kUnitMillimetres, 10},
        ConvertCase{25.4f, kUnitMillimetres, kUnitPicas, 12}, ConvertCase{25.4f, kUnitMillimetres, kUnitPixels, 96},
        ConvertCase{96, kUnitPixels, kUnitMillimetres, 25.4f}, ConvertCase{96, kUnitPixels, kUnitCentimetres, 2.54f},
        ConvertCase{96, kUnitPixels, kUnitPoints, 72}, ConvertCase{96, kUnitPixels, kUnitPicas, 12},
        ConvertCase{48, kUnitPixels, kUnitInches, 0.5f}, ConvertCase{37, kUnitPixels, kUnitPixels, 37},
        ConvertCase{-12, kUnitPoints, kUnitPixels, -16},
        // Codes outside 0..5 (damaged markup) count as pixels.
        ConvertCase{96, 9, kUnitInches, 1}, ConvertCase{1, kUnitInches, 200, 96}));

TEST(UnitConversion, UsesThePixelsPerInchGiven)
{
    EXPECT_NEAR(ConvertUnit(1, kUnitInches, kUnitPixels, 120), 120, 1e-4f);
    EXPECT_NEAR(ConvertUnit(60, kUnitPixels, kUnitPoints, 120), 36, 1e-4f);
    // A ppi below 1 would divide by zero; it is taken as 96.
    EXPECT_NEAR(ConvertUnit(96, kUnitPixels, kUnitInches, 0), 1, 1e-4f);
}

struct RoundCase {
    float value;
    int unit;
    int pixels;
};

class PixelRounding : public ::testing::TestWithParam<RoundCase> {};

TEST_P(PixelRounding, RoundsToNearestTiesToEven)
{
    EXPECT_EQ(UnitToPixels(GetParam().value, GetParam().unit, 96), GetParam().pixels);
}

INSTANTIATE_TEST_SUITE_P(Table, PixelRounding,
                         ::testing::Values(RoundCase{2.5f, kUnitPixels, 2}, RoundCase{3.5f, kUnitPixels, 4},
                                           RoundCase{-2.5f, kUnitPixels, -2}, RoundCase{2.51f, kUnitPixels, 3},
                                           RoundCase{0.5f, kUnitPixels, 0},
                                           // 10 mm = 37.795 px; 1.125 pt = 1.5 px exactly.
                                           RoundCase{10, kUnitMillimetres, 38}, RoundCase{-10, kUnitMillimetres, -38},
                                           RoundCase{1.125f, kUnitPoints, 2}, RoundCase{0.375f, kUnitPoints, 0}));

TEST(PixelRounding, SaturatesInsteadOfOverflowing)
{
    EXPECT_EQ(UnitToPixels(1e20f, kUnitInches, 96), INT_MAX);
    EXPECT_EQ(UnitToPixels(-1e20f, kUnitInches, 96), INT_MIN);
}

} // namespace
} // namespace quor
