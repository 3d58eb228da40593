// The kind-17 style record: cleared values at byte level, encode/decode, and
// tolerance of short or damaged images.
#include "model/ParagraphStyle.h"

#include <gtest/gtest.h>

#include <vector>

namespace quor {
namespace {

TEST(StyleRecord, ClearWritesTheCreatedValuesAtTheirOffsets)
{
    std::vector<std::uint8_t> image(kRecordImageSize, 0xAB);
    ParagraphStyle::ClearRecord(image);
    const std::vector<std::uint8_t> expectedHead = {0, 0, 0, 0, 0, 0}; // content pos, state, empty name
    EXPECT_EQ(std::vector<std::uint8_t>(image.begin(), image.begin() + 6), expectedHead);
    EXPECT_EQ(image[38], 0);
    EXPECT_EQ(image[39], 15); // "Times New Roman"
    EXPECT_EQ(std::string(image.begin() + 40, image.begin() + 55), "Times New Roman");
    EXPECT_EQ(image[72], 12);
    EXPECT_EQ(image[73], 0);
    EXPECT_EQ(image[79], 0xFF); // link size -1
    EXPECT_EQ(image[80], 0xFF);
    const std::vector<std::uint8_t> blue = {0x00, 0x00, 0xFF, 0x00};
    EXPECT_EQ(std::vector<std::uint8_t>(image.begin() + 81, image.begin() + 85), blue);
    EXPECT_EQ(image[85], 4);  // link underlined
    EXPECT_EQ(image[86], 10); // left indent
    EXPECT_EQ(image[88], 10); // right indent
    EXPECT_EQ(image[94], 0x00); // -32000 = 0x8300
    EXPECT_EQ(image[95], 0x83);
    EXPECT_EQ(image[98], 1); // millimetres
    for (std::size_t i = kStyleRecordSize; i < kRecordImageSize; ++i)
        ASSERT_EQ(image[i], 0) << i;
}

TEST(StyleRecord, EncodeDecodeRoundTripKeepsEveryField)
{
    ParagraphStyle s;
    s.state = 1;
    s.name = "Heading";
    s.fontName = "Arial";
    s.fontSize = -7;
    s.colour = static_cast<std::int32_t>(0x80000005);
    s.styleBits = 15;
    s.linkSize = 9;
    s.linkColour = 0x123456;
    s.linkStyle = 1;
    s.leftIndent = -20;
    s.rightIndent = 300;
    s.spaceAbove = 4;
    s.spaceBelow = 5;
    s.lineHeight = 0;
    s.firstIndent = -38;
    s.unit = 4;
    s.alignment = 2;
    s.numbering = 10;
    s.reserved = 77;
    s.position = 2;
    std::vector<std::uint8_t> image(kStyleRecordSize, 0);
    image[0] = 0x11; // bytes 0..3 belong to the object, not the style
    s.Encode(image);
    EXPECT_EQ(image[0], 0x11);
    EXPECT_EQ(ParagraphStyle::Decode(image), s);
}

TEST(StyleRecord, LongNamesAreCutToThirtyTwoCharacters)
{
    ParagraphStyle s;
    s.name = std::string(40, 'n');
    s.fontName = std::string(33, 'f');
    std::vector<std::uint8_t> image(kStyleRecordSize, 0);
    s.Encode(image);
    const ParagraphStyle back = ParagraphStyle::Decode(image);
    EXPECT_EQ(back.name, std::string(32, 'n'));
    EXPECT_EQ(back.fontName, std::string(32, 'f'));
    EXPECT_EQ(image[38], 0); // the name never spills into the byte after its field
}

TEST(StyleRecord, DamagedOrShortImagesDecodeWithoutReadingBeyondThem)
{
    std::vector<std::uint8_t> image(kStyleRecordSize, 0);
    ParagraphStyle::ClearRecord(image);
    image[5] = 250; // name length beyond its capacity
    EXPECT_EQ(ParagraphStyle::Decode(image).name.size(), 32u);

    // An image that stops inside the record: missing fields read as cleared values.
    const std::vector<std::uint8_t> shortImage(80, 0);
    const ParagraphStyle s = ParagraphStyle::Decode(shortImage);
    EXPECT_EQ(s.fontSize, 0);   // present (zero bytes)
    EXPECT_EQ(s.linkSize, -1);  // missing
    EXPECT_EQ(s.leftIndent, 10);
    EXPECT_EQ(s.unit, 1);
    EXPECT_EQ(ParagraphStyle::Decode({}), ParagraphStyle{});

    // Encoding into a too-short image leaves it untouched.
    std::vector<std::uint8_t> tiny(50, 7);
    ParagraphStyle{}.Encode(tiny);
    EXPECT_EQ(tiny, std::vector<std::uint8_t>(50, 7));
}

TEST(StyleTable, StartsWithTheTwoDefaultStyles)
{
    StyleTable t;
    ASSERT_EQ(t.Count(), 2);
    EXPECT_EQ(t.Get(0).name, "[no style]");
    EXPECT_EQ(t.Get(0).leftIndent, 10);
    EXPECT_EQ(t.Get(1).name, "[no style intab]");
    EXPECT_EQ(t.Get(1).leftIndent, 0);
    EXPECT_EQ(t.Get(1).rightIndent, 0);
    EXPECT_TRUE(t.StyleRecord(2).empty());
    EXPECT_TRUE(t.StyleRecord(-1).empty());
}

} // namespace
} // namespace quor
