// Conversion of first-version page text into the current markup.
#include "textengine/MarkupText.h"
#include "textengine/Version1Converter.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

namespace quor {
namespace {

class FakeObjects : public IVersion1Objects {
public:
    std::int32_t PageTextColour() const override { return 0x000080; }
    std::int32_t PageLinkColour() const override { return 0xFF0000; }
    bool Exists(std::int32_t ref) const override { return existing.count(ref) > 0; }
    std::int32_t ConvertedAttachment(std::int32_t ref) override
    {
        auto it = attachments.find(ref);
        return it == attachments.end() ? -1 : it->second;
    }
    std::int32_t MakePlacement(std::int32_t ref) override
    {
        const std::int32_t placement = 0x10000000 + nextPlacement++;
        existing.insert(placement);
        made.push_back(ref);
        return placement;
    }
    std::int32_t ConvertFormInput(std::int32_t ref) override
    {
        if (ref != 0x14000002)
            return -1;
        existing.insert(0x0B000009);
        return 0x0B000009;
    }
    std::optional<TableShape> Table(std::int32_t ref) const override
    {
        auto it = tables.find(ref);
        if (it == tables.end())
            return std::nullopt;
        return it->second;
    }

    std::set<std::int32_t> existing;
    std::map<std::int32_t, std::int32_t> attachments;
    std::map<std::int32_t, TableShape> tables;
    std::vector<std::int32_t> made;
    int nextPlacement = 0;
};

const std::string kFirst = "<Z S0 C0000FF >"; // link colour blue, written red-green-blue
std::string RunTag(int bits, const char* name = "Times New Roman", int size = 12, const char* colour = "800000")
{
    return std::string("<Y c") + colour + " F\"" + name + "\" s" + std::to_string(size) + " y" + std::to_string(bits) +
           " p0 >";
}
std::string Nul(std::string s) { return s + '\0'; }

class Version1 : public ::testing::Test {
protected:
    std::string Convert(std::string_view old) { return Version1Converter::Convert(old, m_objects); }
    FakeObjects m_objects;
};

TEST_F(Version1, FontTagsBecomeRunTagsBeforeTheNextCharacter)
{
    EXPECT_EQ(Convert("AB<B>C</B>D"), Nul(kFirst + "AB" + RunTag(1) + "C" + RunTag(0) + "D"));
    EXPECT_EQ(Convert("<I><B>x</I>y"), Nul(kFirst + RunTag(3) + "x" + RunTag(1) + "y"));
    EXPECT_EQ(Convert("<PRE>a</PRE><TT>b</TT>c"),
              Nul(kFirst + RunTag(0, "Courier New") + "a" + RunTag(0, "Courier New") + "b" + RunTag(0) + "c"));
    EXPECT_EQ(Convert("<FONT COLOR=#12AB9f>x"), Nul(kFirst + RunTag(0, "Times New Roman", 12, "12AB9F") + "x"));
}

TEST_F(Version1, SizeTagsMapDigitsOneToSeven)
{
    const int sizes[] = {8, 10, 12, 14, 19, 27, 34};
    for (int d = 1; d <= 7; ++d) {
        const std::string old = "<FONT SIZE=" + std::to_string(d) + ">x";
        EXPECT_EQ(Convert(old), Nul(kFirst + RunTag(0, "Times New Roman", sizes[d - 1]) + "x")) << d;
    }
    EXPECT_EQ(Convert("<FONT SIZE=5><FONT SIZE=9>x"), Nul(kFirst + RunTag(0, "Times New Roman", 19) + "x"));
}

TEST_F(Version1, ParagraphTagsStartParagraphsWithAlignmentAndIndent)
{
    const std::string p0 = "<Z S0 A0 C0000FF >" + RunTag(0);
    EXPECT_EQ(Convert("a<BR>b<CENTER>c<DIV ALIGN=RIGHT>d<DIV ALIGN=LEFT>e"),
              Nul(kFirst + "a" + p0 + "b" + "<Z S0 A2 C0000FF >" + RunTag(0) + "c" + "<Z S0 A1 C0000FF >" + RunTag(0) + "d" +
                  p0 + "e"));
    EXPECT_EQ(Convert("<UL><LI>a<UL><LI>b</UL></UL></UL>c"),
              Nul(kFirst + "<Z S0 A0 l40 C0000FF >" + RunTag(0) + "<Z S0 A0 l40 C0000FF >" + RunTag(0) + "a" +
                  "<Z S0 A0 l80 C0000FF >" + RunTag(0) + "<Z S0 A0 l80 C0000FF >" + RunTag(0) + "b" +
                  "<Z S0 A0 l40 C0000FF >" + RunTag(0) + p0 + p0 + "c"));
}

TEST_F(Version1, TableCellsEndWithCellTagsAndUseTheTableStyle)
{
    m_objects.existing.insert(0x08000001);
    m_objects.tables[0x08000001] = {2, 2, 1};
    const std::string cell = "<Z S1 A1 C0000FF >" + RunTag(0);
    const std::string out = Convert("x<$08000001>a<TE>b<TF>c<TE>d<TE>after");
    EXPECT_EQ(out, Nul(kFirst + "x" + "<Z S0 A0 C0000FF >" + RunTag(0) + "<$08000001>" + cell + "a<T>" +
                       "<Z S1 A0 C0000FF >" + RunTag(0) + "b<T>" + cell + "c<T>" + cell + "d<T>" +
                       "<Z S0 A1 C0000FF >" + RunTag(0) + "after"));
    // The cells read back: four "<T>" ends, and the text of each cell (the stored
    // table reference is no working-copy object, so it leaves no character).
    EXPECT_EQ(MarkupText::PlainText(out, "|"), "x||a|b|c|d|after");
}

TEST_F(Version1, ReferencesAreConvertedByKind)
{
    m_objects.attachments[0x02000004] = 0x03000007;
    m_objects.existing.insert(0x01000001);
    m_objects.existing.insert(0x18000001);
    EXPECT_EQ(Convert("<$02000004>a<%>"), Nul(kFirst + "<$03000007>a<%>"));
    EXPECT_EQ(Convert("<$02000005>"), Nul(kFirst + "<$00000000>"));
    EXPECT_EQ(Convert("<$05000003><$06000001>"), Nul(kFirst + "<$10000000><$10000001>"));
    EXPECT_EQ(m_objects.made, (std::vector<std::int32_t>{0x05000003, 0x06000001}));
    EXPECT_EQ(Convert("<$14000002><$14000003>"), Nul(kFirst + "<$0b000009><$14000003>"));
    // A pending font change goes before an object but not before a link.
    EXPECT_EQ(Convert("<B><$01000001>x"), Nul(kFirst + "<$01000001>" + RunTag(1) + "x"));
    EXPECT_EQ(Convert("<B><$18000001>x"), Nul(kFirst + RunTag(1) + "<$18000001>x"));
    // Non-hex digits count as 0 when the reference is looked at; the tag is copied.
    EXPECT_EQ(Convert("<$0G000001>"), Nul(kFirst + "<$0G000001>"));
    // Only 11 characters of a reference tag are kept, and it stays closed.
    EXPECT_EQ(Convert("<$01000003 x>y"), Nul(kFirst + "<$01000003>y"));
}

TEST_F(Version1, OtherTagsAreCopiedUnlessTheReaderWouldActOnThem)
{
    EXPECT_EQ(Convert("a<HR>b</FONT>c"), Nul(kFirst + "a<HR>b</FONT>c"));
    // Copied, these would open a skipped block, end the cell or start a header.
    EXPECT_EQ(Convert("a<FONT FACE=Arial>b<TITLE>c<DL>d<Zz>e<Y>f<RR>g"), Nul(kFirst + "abcdefg"));
    EXPECT_EQ(MarkupText::PlainText(Convert("a<FONT FACE=Arial>b<TITLE>c")), "abc");
}

TEST_F(Version1, TextIsCopiedControlsDroppedAndTheNulEndsIt)
{
    EXPECT_EQ(Convert(std::string_view("a\r\n&eacute;&amp\tb\0ignored", 24)), Nul(kFirst + "a&eacute;&ampb"));
    EXPECT_EQ(Convert(""), Nul(kFirst));
    EXPECT_EQ(Convert("a<I"), Nul(kFirst + "a")); // an unclosed tag runs to the end
}

} // namespace
} // namespace quor
