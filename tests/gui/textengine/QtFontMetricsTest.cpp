// Screen metrics: the document's faces resolve to the Liberation faces, sizes
// follow the pixels per inch, and measures are cached per font.
#include "textengine/QtFontMetrics.h"

#include <QFontInfo>

#include <gtest/gtest.h>

namespace quor {
namespace {

TEST(QtFontMetrics, DocumentFacesResolveToMetricCompatibleFaces)
{
    struct Case { const char* name; const char* family; };
    const Case cases[] = {{"Times New Roman", "Liberation Serif"}, {"arial", "Liberation Sans"},
                          {"Courier New", "Liberation Mono"},      {"", "Liberation Serif"},
                          {"Verdana", "Verdana"}};
    QtFontMetrics m(96);
    for (const auto& c : cases) {
        EXPECT_EQ(QtFontMetrics::ResolveFamily(c.name), QString::fromLatin1(c.family)) << c.name;
    }
    // The faces are installed: the font actually used is the one asked for.
    for (const char* face : {"Times New Roman", "Arial", "Courier New"}) {
        const QFont f = m.FontFor(FontSpec{face, 12, 0});
        EXPECT_EQ(QFontInfo(f).family(), QtFontMetrics::ResolveFamily(face)) << face;
    }
}

TEST(QtFontMetrics, SizesArePointsAtThePixelsPerInch)
{
    QtFontMetrics at96(96);
    QtFontMetrics at120(120);
    EXPECT_EQ(at96.FontFor(FontSpec{"Arial", 12, 0}).pixelSize(), 16);
    EXPECT_EQ(at120.FontFor(FontSpec{"Arial", 12, 0}).pixelSize(), 20);
    EXPECT_EQ(QtFontMetrics::PixelSize(0, 96), 13); // a size of 0 counts as 10 points
    const FontSpec mono{"Courier New", 10, 0};
    // Liberation Mono has one advance for every character: 0.6 em.
    EXPECT_EQ(at96.TextWidth(mono, "iiii"), at96.TextWidth(mono, "WWWW"));
    EXPECT_EQ(at96.TextWidth(mono, std::string(10, 'x')), 80);
    EXPECT_GT(at120.Height(mono), at96.Height(mono));
}

TEST(QtFontMetrics, PairsAndStylesMeasureConsistently)
{
    QtFontMetrics m(96);
    const FontSpec plain{"Times New Roman", 12, 0};
    FontSpec bold = plain;
    bold.style = kFontBold;
    FontSpec underlined = plain;
    underlined.style = kFontUnderline;
    EXPECT_GT(m.TextWidth(bold, "MMMM"), m.TextWidth(plain, "MMMM"));
    EXPECT_EQ(m.TextWidth(underlined, "Hello"), m.TextWidth(plain, "Hello"));
    const std::size_t fonts = m.CachedFonts();
    // A pair measured twice gives the same extent; underline shares the plain entry.
    EXPECT_EQ(m.TextWidth(plain, "AV"), m.TextWidth(plain, "AV"));
    EXPECT_EQ(m.CachedFonts(), fonts);
    EXPECT_EQ(m.TextWidth(plain, ""), 0);
    // Windows-1252 bytes above 0x7F are measured as their characters.
    EXPECT_GT(m.TextWidth(plain, "\x80"), 0); // the euro sign
}

} // namespace
} // namespace quor
