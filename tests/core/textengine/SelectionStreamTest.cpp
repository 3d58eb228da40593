// The private stream a text selection travels in: written with empty object
// blocks, read back to its markup; anything else is refused, never overrun.
#include "textengine/SelectionStream.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace quor {
namespace {

std::vector<std::uint8_t> Bytes(std::initializer_list<std::int32_t> words, std::string_view tail = {})
{
    std::vector<std::uint8_t> out;
    for (std::int32_t w : words)
        for (int i = 0; i < 4; ++i)
            out.push_back(static_cast<std::uint8_t>(static_cast<std::uint32_t>(w) >> (8 * i)));
    out.insert(out.end(), tail.begin(), tail.end());
    return out;
}

TEST(SelectionStream, WritesTheLayoutAndReadsTheMarkupBack)
{
    const std::string markup = "<Z S0 >a&lt;b<Z S2 >c";
    const auto bytes = SelectionStream::Write(markup, 2);
    EXPECT_EQ(bytes, Bytes({1, 0, 0, 0, 2}, std::string(markup) + '\0'));
    const auto back = SelectionStream::Read(bytes);
    ASSERT_TRUE(back);
    EXPECT_EQ(back->paragraphs, 2);
    EXPECT_EQ(back->markup, markup);
}

struct BadStream {
    const char* why;
    std::vector<std::uint8_t> bytes;
};

class SelectionStreamRefuses : public ::testing::TestWithParam<BadStream> {};

TEST_P(SelectionStreamRefuses, WhatItCannotRead)
{
    EXPECT_FALSE(SelectionStream::Read(GetParam().bytes)) << GetParam().why;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SelectionStreamRefuses,
    ::testing::Values(BadStream{"empty", {}},
                      BadStream{"header 2 is neither a selection nor a picture", Bytes({2, 0, 0, 0, 1}, "<Z S0 >")},
                      BadStream{"link objects need the document to read", Bytes({1, 1, 0, 0, 1}, "<Z S0 >")},
                      BadStream{"embedded objects need the document to read", Bytes({1, 0, 0, 1, 1}, "<Z S0 >")},
                      BadStream{"cut inside the object blocks", Bytes({1, 0, 0})},
                      BadStream{"negative paragraph count", Bytes({1, 0, 0, 0, -1}, "<Z S0 >")}));

TEST(SelectionStream, MarkupEndsAtItsNulOrAtTheEnd)
{
    auto withNul = Bytes({1, 0, 0, 0, 1}, std::string("<Z S0 >ab\0junk", 14));
    EXPECT_EQ(SelectionStream::Read(withNul)->markup, "<Z S0 >ab");
    auto without = Bytes({1, 0, 0, 0, 1}, "<Z S0 >ab");
    EXPECT_EQ(SelectionStream::Read(without)->markup, "<Z S0 >ab");
}

} // namespace
} // namespace quor
