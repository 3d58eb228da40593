// HtmlTextTest.cpp: escaping of text where it lands in HTML.
#include "conversion/HtmlText.h"

#include <gtest/gtest.h>

namespace quor::testing {
namespace {

std::string TextOf(std::string_view chars)
{
    std::string out;
    for (char c : chars)
        html::AppendTextChar(out, static_cast<unsigned char>(c));
    return out;
}

TEST(HtmlText, BodyCharactersAreEscapedOrNamed)
{
    EXPECT_EQ(TextOf("a<b>&c"), "a&lt;b&gt;&amp;c");
    EXPECT_EQ(TextOf("x\x01\x1Fy"), "xy");
    // 160..251 by name, 175 as browsers know it; 252..255 and 127..159 unchanged.
    EXPECT_EQ(TextOf("\xA0\xAF\xE9\xFB"), "&nbsp;&macr;&eacute;&ucirc;");
    EXPECT_EQ(TextOf("\xFC\xFF\x80\x7F"), "\xFC\xFF\x80\x7F");
}

TEST(HtmlText, AttributeValuesCannotLeaveTheirQuotes)
{
    EXPECT_EQ(html::EscapeAttribute("a\"b<c>&d'e"), "a&quot;b&lt;c&gt;&amp;d'e");
    EXPECT_EQ(html::EscapeText("1 < 2 & \"x\""), "1 &lt; 2 &amp; \"x\"");
    EXPECT_EQ(html::EscapeScriptUrl("it's\\\"x\""), "it%27s%5C&quot;x&quot;");
    EXPECT_EQ(html::CssCommentSafe("a */ b */"), "a * / b * /");
}

TEST(HtmlText, TitlesAndWindowNamesAreMadeSafeForAttributes)
{
    EXPECT_EQ(html::MakeAttributeSafe("say \"hi\" it's"), "say \x94hi\x94 it\x92s");
    EXPECT_EQ(html::MakeAttributeSafe("<a#$%&>\x7F\t"), " a" + std::string(7, ' '));
}

TEST(HtmlText, HexNamesAndColours)
{
    EXPECT_EQ(html::Hex6(31), "00001f");
    EXPECT_EQ(html::Hex6(0x12345678), "345678");
    EXPECT_EQ(html::ColourHex(0xFF0000), "0000FF");
    EXPECT_EQ(html::ColourHex(0x0080FF), "FF8000");
    EXPECT_EQ(html::ColourHex(static_cast<std::int32_t>(0x8000000F)), "D4D0C8");
}

} // namespace
} // namespace quor::testing
