// Override rules of run fonts and paragraph attributes against a live style record.
#include "model/TUVAParaStyle.h"
#include "model/Units.h"

#include <gtest/gtest.h>

namespace quor {
namespace {

class Overrides : public ::testing::Test {
protected:
    void SetUp() override
    {
        SetScreenPixelsPerInch(96);
        ParagraphStyle body;
        body.state = 1;
        body.name = "Body";
        body.fontName = "Arial";
        body.fontSize = 11;
        body.colour = 0x0000FF;
        m_bodyId = m_styles.Add(body);
    }
    StyleBase Body() const { return StyleBase{&m_styles, m_bodyId}; }
    void ChangeBody(void (*change)(ParagraphStyle&))
    {
        ParagraphStyle s = m_styles.Get(m_bodyId);
        change(s);
        m_styles.Set(m_bodyId, s);
    }

    StyleTable m_styles;
    int m_bodyId = 0;
};

TEST_F(Overrides, SetterRecordsAnOverrideOnlyWhenTheValueDiffers)
{
    TUVAFontStyle f(Body());
    f.SetColour(0x0000FF);
    f.SetSize(11);
    f.SetName("Arial");
    EXPECT_FALSE(f.AnyOverride());

    f.SetSize(14);
    EXPECT_TRUE(f.Overrides(kFontAttrSize));
    EXPECT_EQ(f.Size(), 14);
    f.SetSize(11); // back to the style's value: flag clears, own value unused
    EXPECT_FALSE(f.Overrides(kFontAttrSize));
    EXPECT_EQ(f.OwnSize(), 14);
    EXPECT_EQ(f.Size(), 11);
}

TEST_F(Overrides, ComparisonsAreExactAndOnTheFullValue)
{
    TUVAFontStyle f(Body());
    f.SetName("arial"); // letter case counts
    EXPECT_TRUE(f.Overrides(kFontAttrName));
    EXPECT_EQ(f.Name(), "arial");
    // The record's 16-bit size is compared as a signed integer with the 32-bit value.
    f.SetSize(11 + 65536);
    EXPECT_TRUE(f.Overrides(kFontAttrSize));
    TUVAParaStyle p(Body());
    p.SetLineHeight(-32000);
    EXPECT_FALSE(p.Overrides(kParaLineHeight));
    p.SetLineHeight(-32000 + 65536);
    EXPECT_TRUE(p.Overrides(kParaLineHeight));
}

TEST_F(Overrides, GettersFollowTheStyleRecordWhereNoFlagIsSet)
{
    TUVAParaStyle p(Body());
    p.SetColour(0x00FF00); // own colour
    TUVAFontStyle run(Body());
    ChangeBody([](ParagraphStyle& s) {
        s.colour = 0x112233;
        s.fontSize = 20;
        s.leftIndent = 44;
    });
    EXPECT_EQ(p.Colour(), 0x00FF00); // override kept, even if it equals nothing now
    EXPECT_EQ(p.Size(), 20);
    EXPECT_EQ(p.LeftIndent(), 44);
    EXPECT_EQ(run.Colour(), 0x112233);

    // A style changed to the override's value does not clear the flag.
    ChangeBody([](ParagraphStyle& s) { s.colour = 0x00FF00; });
    EXPECT_TRUE(p.Overrides(kParaColour));
}

TEST_F(Overrides, ChangingTheBaseKeepsFlagsAndOwnValues)
{
    TUVAParaStyle p(Body());
    p.SetAlignment(2);
    p.SetSize(30);
    p.SetBase(StyleBase{&m_styles, 0});
    EXPECT_TRUE(p.Overrides(kParaAlignment));
    EXPECT_EQ(p.Alignment(), 2);
    EXPECT_EQ(p.Size(), 30);
    EXPECT_EQ(p.Name(), "Times New Roman"); // follows the new base
    EXPECT_EQ(p.Font().Base().id, 0);       // the paragraph font follows too
    p.ClearOverrides();
    EXPECT_FALSE(p.AnyOverride());
    EXPECT_EQ(p.Size(), 12);
    EXPECT_EQ(p.OwnInt(kParaSize), 30);
}

TEST_F(Overrides, EveryParagraphAttributeFollowsItsRecordField)
{
    ParagraphStyle s;
    s.state = 1;
    s.fontName = "Courier New";
    s.fontSize = 9;
    s.colour = 0x010203;
    s.styleBits = 5;
    s.position = 2;
    s.reserved = 3;
    s.alignment = 1;
    s.numbering = 6;
    s.unit = 3;
    s.lineHeight = 25;
    s.firstIndent = -7;
    s.leftIndent = 11;
    s.rightIndent = 12;
    s.spaceAbove = 13;
    s.spaceBelow = 14;
    s.linkStyle = 8;
    s.linkColour = 0x0A0B0C;
    s.linkSize = 16;
    const int id = m_styles.Add(s);
    const TUVAParaStyle p(StyleBase{&m_styles, id});
    EXPECT_EQ(p.Name(), "Courier New");
    EXPECT_EQ(p.Size(), 9);
    EXPECT_EQ(p.Colour(), 0x010203);
    EXPECT_EQ(p.Style(), 5);
    EXPECT_EQ(p.Position(), 2);
    EXPECT_EQ(p.Reserved(), 3);
    EXPECT_EQ(p.Alignment(), 1);
    EXPECT_EQ(p.Numbering(), 6);
    EXPECT_EQ(p.Unit(), 3);
    EXPECT_EQ(p.LineHeight(), 25);
    EXPECT_EQ(p.FirstIndent(), -7);
    EXPECT_EQ(p.LeftIndent(), 11);
    EXPECT_EQ(p.RightIndent(), 12);
    EXPECT_EQ(p.SpaceAbove(), 13);
    EXPECT_EQ(p.SpaceBelow(), 14);
    EXPECT_EQ(p.LinkStyle(), 8);
    EXPECT_EQ(p.LinkColour(), 0x0A0B0C);
    EXPECT_EQ(p.LinkSize(), 16);
}

TEST_F(Overrides, WithoutABaseTheClearedStyleStandsIn)
{
    TUVAFontStyle f;
    EXPECT_EQ(f.Name(), "Times New Roman");
    EXPECT_EQ(f.Size(), 12);
    f.SetSize(12);
    EXPECT_FALSE(f.AnyOverride());
    // A base id that names no style reads the same way instead of failing.
    TUVAParaStyle p(StyleBase{&m_styles, 99});
    EXPECT_EQ(p.LeftIndent(), 10);
    EXPECT_EQ(p.LinkColour(), 0xFF0000);
}

TEST_F(Overrides, MeasuresInUnitConvertThroughThePixelValue)
{
    TUVAParaStyle p(Body()); // unit millimetres, left indent 10 px
    EXPECT_NEAR(p.MeasureInUnit(ParaMeasure::LeftIndent), 2.6458f, 1e-3f);
    p.SetMeasureInUnit(ParaMeasure::LeftIndent, 10.0f); // 37.795 px
    EXPECT_EQ(p.LeftIndent(), 38);
    p.SetUnit(kUnitPicas);
    EXPECT_NEAR(p.MeasureInUnit(ParaMeasure::LeftIndent), 4.75f, 1e-4f); // 38 px = 28.5 pt
    p.SetMeasureInUnit(ParaMeasure::FirstIndent, -1.0f);                // -1 pica = -8 px
    EXPECT_EQ(p.FirstIndent(), -8);
    // Setting the style's own value through the unit setter removes the override.
    p.SetMeasureInUnit(ParaMeasure::LeftIndent, 1.25f); // 10 px
    EXPECT_FALSE(p.Overrides(kParaLeftIndent));
}

TEST_F(Overrides, AssignCopiesEffectiveValuesAndRecomputesFlagsAgainstTheNewBase)
{
    TUVAParaStyle src(Body());
    src.SetUnit(kUnitPoints);
    src.SetLeftIndent(24);
    src.SetSize(18);
    src.SetNumbering(10);
    src.Font().SetStyle(kFontBold);

    TUVAParaStyle dst(StyleBase{&m_styles, 0});
    dst.Assign(src);
    EXPECT_EQ(dst.Base(), src.Base());
    EXPECT_EQ(dst.LeftIndent(), 24);
    EXPECT_EQ(dst.Size(), 18);
    EXPECT_EQ(dst.Numbering(), 10);
    EXPECT_EQ(dst.Name(), "Arial");
    EXPECT_FALSE(dst.Overrides(kParaName)); // equal to the new base: no override
    EXPECT_EQ(dst.Font().Style(), kFontBold);

    TUVAFontStyle run(StyleBase{&m_styles, 0});
    run.Assign(src);
    EXPECT_EQ(run.Base(), src.Base());
    EXPECT_EQ(run.Size(), 18);
    EXPECT_TRUE(run.Overrides(kFontAttrSize));
    EXPECT_FALSE(run.Overrides(kFontAttrColour));
}

TEST_F(Overrides, TMyFontAssignmentsCarryAllFiveFields)
{
    TMyFont f;
    f.name = "Courier New";
    f.size = 8;
    f.style = kFontItalic | kFontStrikeOut;
    f.colour = 0x00ABCDEF;
    f.position = kPositionSubscript;
    TUVAFontStyle run(Body());
    run.Assign(f);
    TMyFont back;
    run.AssignTo(back);
    EXPECT_EQ(back, f);
    EXPECT_EQ(TMyFont{}.size, 10);
    EXPECT_TRUE(TMyFont{}.name.empty());
}

} // namespace
} // namespace quor
