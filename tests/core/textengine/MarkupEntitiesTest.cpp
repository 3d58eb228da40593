// "&" sequences: numeric codes, the name table, unknown names, escaping.
#include "textengine/MarkupEntities.h"
#include "textengine/MarkupText.h"

#include <gtest/gtest.h>

namespace quor {
namespace {

struct EntityCase {
    std::string_view markupText; // text of one paragraph, after "<Z S0 >"
    std::string_view expected;
};

class EntityDecoding : public ::testing::TestWithParam<EntityCase> {};

TEST_P(EntityDecoding, GivesTheCharacterAndConsumesTheRightLength)
{
    const std::string markup = "<Z S0 >" + std::string(GetParam().markupText);
    EXPECT_EQ(MarkupText::PlainText(markup), GetParam().expected) << GetParam().markupText;
}

INSTANTIATE_TEST_SUITE_P(
    Table, EntityDecoding,
    ::testing::Values(
        EntityCase{"a&lt;b&gt;c&amp;d", "a<b>c&d"}, EntityCase{"&quot;&QUOT;&AMP;&LT;&GT;", "\"\"&<>"},
        EntityCase{"&eacute;", "\xE9"}, EntityCase{"&#233;", "\xE9"},
        // Only three characters of a numeric code are read.
        EntityCase{"&#2333;", "\xE9" "3;"}, EntityCase{"&#65", "A"}, EntityCase{"&#321;x", "Ax"}, // 321 & 255 = 65
        EntityCase{"&#ab;z", "Az"}, EntityCase{"&#;z", "Az"},
        // "&&" gives "&" and takes three characters.
        EntityCase{"&&x;y", "&;y"}, EntityCase{"&&", "&"},
        // Names match by prefix, first table entry wins, the ";" is optional.
        EntityCase{"&nbsp", "\xA0"}, EntityCase{"&hibar;", "\xAF"}, EntityCase{"&yuml;", "\xFF"},
        EntityCase{"&notin;", "\xAC" "in;"}, EntityCase{"&ampx", "&x"}, EntityCase{"&THORN;&thorn;", "\xDE\xFE"},
        // Unknown names give a space and consume only the "&" (and a ";" right after).
        EntityCase{"&macr;", " macr;"}, EntityCase{"&Eacute;&foo;", "\xC9 foo;"}, EntityCase{"&;x", " x"},
        EntityCase{"a&", "a "}, EntityCase{"&Lt;", " Lt;"},
        // Codes below 0x20 are dropped like control characters in the text.
        EntityCase{"a&#9;b&#0;c", "abc"}));

TEST(EntityTable, HoldsOneHundredAndFourNamesInCodeOrder)
{
    ASSERT_EQ(MarkupEntities::kNameCount, 104u);
    EXPECT_EQ(MarkupEntities::Name(0), "quot");
    EXPECT_EQ(MarkupEntities::Name(7), "GT");
    EXPECT_EQ(MarkupEntities::Code(7), 62);
    EXPECT_EQ(MarkupEntities::Name(8), "nbsp");
    EXPECT_EQ(MarkupEntities::Code(8), 0xA0);
    EXPECT_EQ(MarkupEntities::Name(8 + 15), "hibar");
    EXPECT_EQ(MarkupEntities::Code(8 + 15), 175);
    EXPECT_EQ(MarkupEntities::Name(103), "yuml");
    EXPECT_EQ(MarkupEntities::Code(103), 0xFF);
    // Every Latin-1 name decodes to its own code (no earlier name shadows it).
    for (std::size_t i = 8; i < MarkupEntities::kNameCount; ++i) {
        const std::string seq = "&" + std::string(MarkupEntities::Name(i)) + ";";
        const auto d = MarkupEntities::Decode(seq);
        EXPECT_EQ(d.ch, MarkupEntities::Code(i)) << seq;
        EXPECT_EQ(d.consumed, seq.size()) << seq;
    }
}

TEST(EntityTable, WriterEscapesOnlyAmpersandAndAngleBrackets)
{
    std::string out;
    for (char c : std::string_view("a<b>&\"\xE9"))
        MarkupEntities::AppendEscaped(out, c);
    EXPECT_EQ(out, "a&lt;b&gt;&amp;\"\xE9");
}

} // namespace
} // namespace quor
