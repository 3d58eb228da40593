// The web export reads page markup as the editor's reader does: markup that
// the two used to cut differently (a value with no space near it, a ">" inside
// a value, a font name without its closing quote, a reference with a digit
// that is not hex) exports with the text and fonts the editor shows.
#include "HtmlExportFixture.h"

#include "textengine/MarkupText.h"

namespace quor::testing {
namespace {

struct ReadingCase {
    const char* name;
    std::string_view markup;
    std::string_view editorText; // what the reader finds, paragraphs joined
    std::string_view html;
};

// The text of an HTML body with its tags and the "&nbsp;" ending each paragraph removed.
std::string VisibleText(std::string_view html)
{
    std::string out;
    bool inTag = false;
    for (char c : html) {
        if (c == '<')
            inTag = true;
        else if (c == '>')
            inTag = false;
        else if (!inTag && c != '\r' && c != '\n')
            out += c;
    }
    for (std::size_t k = out.find("&nbsp;"); k != std::string::npos; k = out.find("&nbsp;"))
        out.erase(k, 6);
    return out;
}

class ExportReadsLikeTheEditor : public HtmlExportTest, public ::testing::WithParamInterface<ReadingCase> {};

TEST_P(ExportReadsLikeTheEditor, SameTextAndFonts)
{
    const ReadingCase& c = GetParam();
    AddPage("<Z S0 >cover");
    TUVAtesto* page = AddPage(c.markup);
    const std::string body = Body(page);
    EXPECT_EQ(MarkupText::PlainText(c.markup, ""), c.editorText);
    EXPECT_EQ(VisibleText(body), c.editorText);
    EXPECT_EQ(body, c.html);
}

INSTANTIATE_TEST_SUITE_P(
    Table, ExportReadsLikeTheEditor,
    ::testing::Values(
        // No space within 12 characters of "s": the size is not read (the export
        // used to read it up to the ">" and write a size-20 font).
        ReadingCase{"ValueWithoutNearSpace", "<Z S0 >a<Y s20>bcdefghijklmn", "abcdefghijklmn",
                    "<DIV class=s0 >\r\nabcdefghijklmn&nbsp;</DIV>\r\n"},
        // The value runs over the ">" to the next space, and the tag then ends at
        // the next ">": the reader keeps "a" and "d" in size 20; the export used
        // to end the value at the ">" and write "b c" as text, with "d" bold.
        ReadingCase{"CloseInsideValue", "<Z S0 >a<Y s20>b c<Y y1 >d", "ad",
                    "<DIV class=s0 >\r\na<FONT style='font-size:20pt;' SIZE=+3>d&nbsp;</FONT></DIV>\r\n"},
        // A font name without its closing quote is absent and the tag ends at its
        // ">"; the export used to drop the rest of the page.
        ReadingCase{"UnclosedFontName", "<Z S0 >a<Y F\"Arial s20 >b<Z S0 >c", "abc",
                    "<DIV class=s0 >\r\nab&nbsp;</DIV>\r\n<DIV class=s0 >\r\nc&nbsp;</DIV>\r\n"},
        // A reference digit that is not hex counts as 0, so this names page 0 (the
        // first page, exported as the index); the
        // export used to drop the link.
        ReadingCase{"NonHexReferenceDigit", "<Z S0 >a<$0000000g>b<%>", "ab",
                    "<DIV class=s0 >\r\na<A class=s0 HREF=\"ab_index.html\"  >b</A>&nbsp;</DIV>\r\n"}),
    [](const ::testing::TestParamInfo<ReadingCase>& info) { return std::string(info.param.name); });

} // namespace
} // namespace quor::testing
