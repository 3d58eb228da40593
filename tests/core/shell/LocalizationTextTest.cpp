#include "shell/LocalizationCheck.h"
#include "shell/LocalizationText.h"

#include <gtest/gtest.h>

namespace quor {
namespace {

struct DecodeCase {
    std::string encoded;
    std::string decoded;
};

class ValueDecoding : public ::testing::TestWithParam<DecodeCase> {};

TEST_P(ValueDecoding, DecodesCharactersNotBytes)
{
    EXPECT_EQ(LocalizationText::DecodeValue(GetParam().encoded), GetParam().decoded);
}

// "\xA7" is the section sign of Windows-1252, one character.
INSTANTIATE_TEST_SUITE_P(Table, ValueDecoding, ::testing::Values(
    DecodeCase{"", ""},
    DecodeCase{"plain text", "plain text"},
    DecodeCase{"first\xA7!second", "first\r\nsecond"},
    DecodeCase{"l''albero", "l'albero"},
    DecodeCase{"it's", "it's"},                        // a single apostrophe stands for itself
    DecodeCase{"'''", "''"},                           // a pair, then a single one
    DecodeCase{"''''", "''"},
    DecodeCase{"10 \xA7\xA7 2", "10 \xA7 2"},
    DecodeCase{"\xA7\xA7!", "\xA7!"},                  // the pair is taken before "!" is seen
    DecodeCase{"a\xA7" "bc", "abc"},                   // the sign alone is dropped, "b" kept
    DecodeCase{"end\xA7", "end"},
    DecodeCase{"\xA7''x", "'x"},                       // after a dropped sign the pair still counts
    DecodeCase{"caff\xE8 \xA7!", "caff\xE8 \r\n"}));

TEST(ValueEncoding, RoundTripsThroughDecoding)
{
    for (std::string plain : {"l'a", "x\r\ny", "\xA7!", "''", "a\xA7" "b"}) {
        EXPECT_EQ(LocalizationText::DecodeValue(LocalizationText::EncodeValue(plain)), plain) << plain;
    }
}

class TextLookup : public ::testing::Test {
protected:
    LocalizationText text{
        "*_*mainform_caption\r\n Quor 3.0\r\n"
        "*_*ToolbarFile_Caption\r\n Main\r\n"
        "*_*bprecedente_hint\r\n Previous\r\n"
        "*_.rgkind_items*count\r\n 3\r\n"
        "*_.rgkind_items*item0\r\n insert page in present hypertext (page import)\r\n"
        "*_*empty_caption\r\n\r\n"
        "*_*twice_caption\r\n first\r\n*_*twice_caption\r\n second\r\n"
        "*_*last_caption"};
};

TEST_F(TextLookup, FindsKeysWithoutRegardToCase)
{
    EXPECT_EQ(text.Read("_", "mainform_caption"), "Quor 3.0");
    EXPECT_EQ(text.Read("_", "toolbarfile_caption"), "Main");   // key line written with capitals
    EXPECT_EQ(text.Read("_", "BPrecedente_Hint"), "Previous");
    EXPECT_EQ(text.Read("_.rgkind_items", "count"), "3");
    EXPECT_EQ(text.Read("_.RGKIND_ITEMS", "item0"), "insert page in present hypertext (page import)");
}

TEST_F(TextLookup, MissingKeysAndTrailingKeysKeepTheDesignedValue)
{
    EXPECT_EQ(text.Read("_", "nothere_caption"), std::nullopt);
    EXPECT_EQ(text.Read("_", "last_caption"), std::nullopt);   // no value line follows
    EXPECT_EQ(text.Read("_", "empty_caption"), "");            // an empty value line is a value
    EXPECT_EQ(text.Read("_", "twice_caption"), "first");       // the first key wins
}

TEST(TextLines, AcceptsEveryLineEnd)
{
    EXPECT_EQ(LocalizationText("a\r\nb\nc\rd").Lines(), (std::vector<std::string>{"a", "b", "c", "d"}));
    EXPECT_EQ(LocalizationText("a\r\n\r\nb\r\n").Lines(), (std::vector<std::string>{"a", "", "b"}));
}

TEST(LocalizableNames, MenuItemsAndWindowsTakeOnlyCaptionTextAndHint)
{
    EXPECT_TRUE(IsLocalizablePropertyName("Caption", true));
    EXPECT_TRUE(IsLocalizablePropertyName("hint", true));
    EXPECT_FALSE(IsLocalizablePropertyName("items", true));
    EXPECT_TRUE(IsLocalizablePropertyName("items", false));
    EXPECT_TRUE(IsLocalizablePropertyName("ImageIndexes", false));
    EXPECT_FALSE(IsLocalizablePropertyName("tag", false));
    EXPECT_FALSE(IsLocalizablePropertyName("font", false));
}

class TextCheck : public ::testing::Test {
protected:
    std::vector<LocalizableEntry> entries{
        {"tipform", "caption", PropertyShape::Simple, {}},
        {"bnext", "caption", PropertyShape::Simple, {}},
        {"rgkind", "items", PropertyShape::StringList, {}},
        {"listview1", "columns", PropertyShape::Collection, {"caption", "width", "alignment"}},
    };
    std::vector<std::string> Check(const std::string& text) const
    {
        return CheckLocalizationText(LocalizationText(text), entries);
    }
};

TEST_F(TextCheck, AcceptsEveryShapeOfKey)
{
    EXPECT_TRUE(Check("*_*tipform_caption\n Tips\n*_*BNext_Caption\n &Next >\n"
                      "*_.rgkind_items*count\n 2\n*_.rgkind_items*item0\n a\n*_.rgkind_items*item1\n b\n"
                      "*_.listview1_columns*count\n 1\n*_.listview1_columns*item0_caption\n Name\n"
                      "*_.listview1_columns*item0_width\n 50\n")
                    .empty());
}

TEST_F(TextCheck, ReportsKeysThatNameNothing)
{
    struct Bad {
        const char* text;
        const char* why;
    };
    const Bad cases[] = {
        {"*_*bprev_caption\n x\n", "unknown component"},
        {"*_*bnext_hint\n x\n", "property not listed for the component"},
        {"*_*bnext_tag\n 3\n", "property never localised"},
        {"*_.bnext_caption*count\n 1\n", "simple property written as a list"},
        {"*_*rgkind_items\n x\n", "list written as a simple property"},
        {"*_.rgkind_items*item0_caption\n x\n", "field of a plain string list"},
        {"*_.listview1_columns*item0_colour\n x\n", "unknown collection field"},
        {"*_.rgkind_items*itemx\n x\n", "item without a number"},
        {"*_*tipform_caption\nTips\n", "value without its leading blank"},
        {"*_.rgkind_items*count\n two\n", "count that is not a number"},
        {"*_*tipform_caption\n Tips\n*_*bnext_caption\n", "key without a value line"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Check(c.text).size(), 1u) << c.why;
}

} // namespace
} // namespace quor
