#include "base/Cp1252.h"

#include <gtest/gtest.h>

namespace quor {
namespace {

struct Cp1252Case {
    std::string cp1252;
    std::string utf8;
};

class Cp1252RoundTrip : public ::testing::TestWithParam<Cp1252Case> {};

TEST_P(Cp1252RoundTrip, ConvertsBothWays)
{
    const auto& c = GetParam();
    EXPECT_EQ(Cp1252ToUtf8(c.cp1252), c.utf8);
    EXPECT_EQ(Utf8ToCp1252(c.utf8), c.cp1252);
}

INSTANTIATE_TEST_SUITE_P(Characters, Cp1252RoundTrip, ::testing::Values(
    Cp1252Case{"plain", "plain"},
    Cp1252Case{"\x80", "\xE2\x82\xAC"},            // euro sign
    Cp1252Case{"\xA7", "\xC2\xA7"},                // section sign, used by localisation texts
    Cp1252Case{"caff\xE8", "caff\xC3\xA8"},
    Cp1252Case{"\x93q\x94", "\xE2\x80\x9Cq\xE2\x80\x9D"},
    Cp1252Case{"\x9F\xFF", "\xC5\xB8\xC3\xBF"},
    Cp1252Case{"\x81", "\xC2\x81"}));              // undefined byte survives a round trip

TEST(Cp1252, BadUtf8BecomesFallback)
{
    EXPECT_EQ(Utf8ToCp1252("a\xC3"), "a?");           // truncated sequence
    EXPECT_EQ(Utf8ToCp1252("\xFF" "b"), "?b");         // invalid lead byte
    EXPECT_EQ(Utf8ToCp1252("\xE4\xB8\xAD"), "?");      // no such character in the code page
    EXPECT_EQ(Utf8ToCp1252("\xC3x"), "?x");            // bad continuation
}

} // namespace
} // namespace quor
