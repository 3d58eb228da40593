// The lexical pieces every markup consumer shares: the end of the markup, the
// value look-ahead, references, tag and skipped-block ends.
#include "base/RecordingMessages.h"
#include "textengine/MarkupLexer.h"

#include <gtest/gtest.h>

#include <string>

namespace quor::test {
namespace {

using namespace std::string_view_literals;

struct ValueCase {
    const char* name;
    std::string_view markup;        // the attribute's letter stands at position 0
    std::optional<std::string_view> value;
    std::size_t after;              // position after reading (0 when absent)
    bool truncated;                 // "Truncated line!" was said
};

class LexerValue : public ::testing::TestWithParam<ValueCase> {};

TEST_P(LexerValue, EndsAtASpaceWithinTwelveCharacters)
{
    const ValueCase& c = GetParam();
    RecordingMessages messages;
    const MarkupLexer lex(c.markup, &messages);
    std::size_t pos = 0;
    EXPECT_EQ(lex.Value(pos, 's'), c.value);
    EXPECT_EQ(pos, c.after);
    EXPECT_EQ(messages.Messages().size(), c.truncated ? 1u : 0u);
    if (c.truncated) {
        EXPECT_EQ(messages.Messages()[0].kind, MessageKind::Error);
        EXPECT_EQ(messages.Messages()[0].text, kTruncatedLine);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Table, LexerValue,
    ::testing::Values(
        ValueCase{"Plain", "s14 >", "14"sv, 4, false},
        ValueCase{"Empty", "s >", ""sv, 2, false},
        // The space may stand 12 characters after the letter, not 13.
        ValueCase{"ElevenCharacters", "s12345678901 >", "12345678901"sv, 13, false},
        ValueCase{"TwelveCharacters", "s123456789012 >", std::nullopt, 0, false},
        // A ">" does not end a value; only the space does.
        ValueCase{"CloseInside", "s20>ab cd", "20>ab"sv, 7, false},
        ValueCase{"OtherLetter", "l14 >", std::nullopt, 0, false},
        ValueCase{"RunsIntoTheEnd", "s14", std::nullopt, 0, true},
        // The markup ends at its first NUL: the space after it is not seen.
        ValueCase{"RunsIntoANul", "s14\0 >"sv, std::nullopt, 0, true}),
    [](const ::testing::TestParamInfo<ValueCase>& info) { return std::string(info.param.name); });

TEST(MarkupLexer, DecimalsSaturateAndColoursComeFromSixCharacters)
{
    EXPECT_EQ(MarkupLexer::Decimal("-"), 0);
    EXPECT_EQ(MarkupLexer::Decimal("-12x3"), -12);
    EXPECT_EQ(MarkupLexer::Decimal("99999999999"), 2147483647);
    EXPECT_EQ(MarkupLexer::Decimal("-99999999999"), -2147483647 - 1);
    EXPECT_EQ(MarkupLexer::Colour("0000FF"), 0xFF0000);
    EXPECT_EQ(MarkupLexer::Colour("12345678"), 0x563412);
    EXPECT_EQ(MarkupLexer::Colour("fFzz"), 0xFF); // short and non-hex digits count as 0
}

TEST(MarkupLexer, FontNameNeedsItsClosingQuote)
{
    RecordingMessages messages;
    const MarkupLexer lex("F\"Courier New\" s9 >", &messages);
    std::size_t pos = 0;
    EXPECT_EQ(lex.FontName(pos), "Courier New");
    EXPECT_EQ(pos, 15u);

    const MarkupLexer open("F\"Arial s9 >x", &messages);
    pos = 0;
    EXPECT_EQ(open.FontName(pos), std::nullopt);
    EXPECT_EQ(pos, 0u);
    ASSERT_EQ(messages.Messages().size(), 1u);
    EXPECT_EQ(messages.Messages()[0].kind, MessageKind::Information);
    // The tag still ends at its ">", so the text after it is kept.
    EXPECT_EQ(open.AfterClose(pos), 12u);
}

TEST(MarkupLexer, ReferencesReadLenientlyButOnlyWellFormedTagsAreTags)
{
    const MarkupLexer lex("<$FF00000a><$0000001g>x<$12"sv);
    std::uint32_t value = 0;
    EXPECT_EQ(lex.RefValue(0), 0xFF00000Au);
    EXPECT_TRUE(lex.IsRefTag(0, &value));
    EXPECT_EQ(value, 0xFF00000Au);
    // A character that is not a hex digit counts as 0 when read...
    EXPECT_EQ(lex.RefValue(11), 0x00000010u);
    // ...but such a tag is not one a rewriter may overwrite.
    EXPECT_FALSE(lex.IsRefTag(11));
    // A tag cut by the end reads the missing digits as 0.
    EXPECT_EQ(lex.RefValue(23), 0x12000000u);
    EXPECT_FALSE(lex.IsRefTag(23));
}

TEST(MarkupLexer, SkippedBlocksAndTagsEndAtTheMarkupsEnd)
{
    const std::string_view data = "a<Dx>b<d>c<R>open\0<r>after"sv;
    const MarkupLexer lex(data);
    EXPECT_EQ(lex.End(), 17u);
    EXPECT_EQ(lex.SkipBlock(1), 9u);   // past "<d>"
    EXPECT_EQ(lex.SkipBlock(10), 17u); // "<r>" stands only after the NUL
    EXPECT_EQ(lex.SkipBlock(0), 0u);   // not at a block
    EXPECT_EQ(lex.AfterClose(14), 17u);
    EXPECT_EQ(lex.At(17), '\0');
    EXPECT_EQ(lex.At(1000), '\0');

    const MarkupLexer tags("<Z S3 ><Y  c0 >");
    EXPECT_EQ(tags.HeaderAttributes(0), 3u);
    EXPECT_EQ(tags.RunAttributes(7), 10u); // one space after "<Y" is skipped, not two
    EXPECT_EQ(tags.HeaderAttributes(14), 15u);
}

} // namespace
} // namespace quor::test
