#include "base/ByteReader.h"
#include "base/ByteWriter.h"

#include <gtest/gtest.h>

namespace quor {
namespace {

TEST(ByteReader, ReadsLittleEndianAndStopsAtTheEnd)
{
    const std::uint8_t bytes[] = {0x34, 0x12, 0x78, 0x56, 0x34, 0x12, 0xFF};
    ByteReader r{std::span(bytes)};
    EXPECT_EQ(r.U16(), 0x1234);
    EXPECT_EQ(r.U32(), 0x12345678u);
    EXPECT_EQ(r.U16(), std::nullopt);   // one byte left: no partial read
    EXPECT_EQ(r.Offset(), 6u);
    EXPECT_EQ(r.I32(), std::nullopt);
    EXPECT_EQ(r.U8(), 0xFF);
    EXPECT_TRUE(r.AtEnd());
}

TEST(ByteReader, CountedStringRejectsLengthAboveCapacity)
{
    // Field of capacity 3 that claims 4 characters.
    const std::uint8_t bad[] = {4, 'a', 'b', 'c'};
    ByteReader r1{std::span(bad)};
    EXPECT_EQ(r1.Counted(3), std::nullopt);

    ByteWriter w;
    w.Counted("hello", 3);
    ASSERT_EQ(w.Size(), 4u);
    ByteReader r2{std::span<const std::uint8_t>(w.Data())};
    EXPECT_EQ(r2.Counted(3), "hel");
    EXPECT_TRUE(r2.AtEnd());
}

TEST(ByteReader, SeekAndSkipRefuseToLeaveTheSpan)
{
    const std::uint8_t bytes[4] = {};
    ByteReader r{std::span(bytes)};
    EXPECT_FALSE(r.Seek(5));
    EXPECT_TRUE(r.Seek(4));
    EXPECT_FALSE(r.Skip(1));
    EXPECT_EQ(r.Bytes(1), std::nullopt);
}

} // namespace
} // namespace quor
