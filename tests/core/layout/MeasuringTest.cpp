// Kerned pair widths and font heights from the measurer.
#include "layout/ParagraphBuilder.h"

#include <gtest/gtest.h>

namespace quor {
namespace {

// 10 px per byte, but "AV" is kerned 3 px tighter; bold fonts are 20 high.
class KerningMetrics : public IFontMetrics {
public:
    mutable int calls = 0;
    int TextWidth(const FontSpec&, std::string_view text) const override
    {
        ++calls;
        int w = static_cast<int>(text.size()) * 10;
        for (std::size_t i = 0; i + 1 < text.size(); ++i)
            if (text[i] == 'A' && text[i + 1] == 'V')
                w -= 3;
        return w;
    }
    int Ascent(const FontSpec& f) const override { return f.style & kFontBold ? 15 : 12; }
    int Descent(const FontSpec&) const override { return 5; }
};

TEST(Measuring, PairsAreKernedWithinARunAndMeasuredAloneAfterAFontChange)
{
    KerningMetrics metrics;
    const StyleTable styles = testing::FlatStyles();
    auto p = testing::MakeParagraph(styles, "AVAV", metrics);
    std::vector<int> widths;
    for (int i = 0; i < 4; ++i)
        widths.push_back(p->Records()[static_cast<std::size_t>(i)].width);
    EXPECT_EQ(widths, (std::vector<int>{10, 7, 10, 7}));

    TUVAFontStyle bold(p->Style().Base());
    bold.SetStyle(kFontBold);
    p->Records()[3].runFont = p->AddRunFont(bold);
    ParagraphMeasurer measurer(metrics);
    measurer.Remeasure(*p);
    EXPECT_EQ(p->Records()[3].width, 10); // first character after a font change: alone
    EXPECT_EQ(p->Records()[3].height, 20);
    EXPECT_EQ(p->Records()[3].ascent, 15);
    EXPECT_EQ(p->defaultLineHeight, 17);

    // Widths come from the cache the second time.
    const int before = metrics.calls;
    measurer.Remeasure(*p);
    EXPECT_EQ(metrics.calls, before);
}

} // namespace
} // namespace quor
