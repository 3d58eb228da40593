// Character attributes on a selection and paragraph commands.
#include "editing/EditorFixture.h"

#include "model/Units.h"

namespace quor {
namespace {

using Fixture = testing::EditorFixture;

TEST_F(Fixture, BoldOverThreeParagraphs)
{
    Load({"abcd", "efgh", "ijkl", "mnop"});
    // A run font already inside the middle paragraph must become bold too.
    TUVAFontStyle italic(box.At(1).Style().Base());
    italic.SetStyle(kFontItalic);
    box.At(1).Records()[2].runFont = box.At(1).AddRunFont(italic);
    editor->Select(0, 2, 2, 4, SelectionOrigin::Mouse);
    editor->TextAttributes().ChangeStyle(kFontBold, 0);

    EXPECT_EQ(undo.Captions(), std::vector<std::string>{"Apply font style: "});
    EXPECT_EQ(StyleBitsOf(0), (std::vector<int>{0, 0, 1, 1}));
    EXPECT_GE(box.At(0).Records()[2].runFont, 0); // a run font at the selection start
    EXPECT_FALSE(box.At(0).Style().Overrides(kParaStyle));
    EXPECT_EQ(StyleBitsOf(1), (std::vector<int>{1, 1, 3, 3}));
    EXPECT_TRUE(box.At(1).Style().Overrides(kParaStyle));
    EXPECT_EQ(StyleBitsOf(2), (std::vector<int>{1, 1, 1, 1}));
    EXPECT_TRUE(box.At(2).Style().Overrides(kParaStyle));
    EXPECT_EQ(StyleBitsOf(3), (std::vector<int>{0, 0, 0, 0}));
}

TEST_F(Fixture, BoldInsideAWordLeavesTheRestOfTheWordAlone)
{
    Load({"abcdef"});
    editor->Select(0, 2, 0, 4, SelectionOrigin::Mouse);
    editor->TextAttributes().ChangeStyle(kFontBold, 0);
    EXPECT_EQ(StyleBitsOf(0), (std::vector<int>{0, 0, 1, 1, 0, 0}));
    // Unbolding the same range gives plain text back.
    editor->Select(0, 2, 0, 4, SelectionOrigin::Mouse);
    editor->TextAttributes().ChangeStyle(0, kFontBold);
    EXPECT_EQ(StyleBitsOf(0), (std::vector<int>{0, 0, 0, 0, 0, 0}));
}

TEST_F(Fixture, ColourMakesRunFontsOnlyWhereTheColourChanges)
{
    Load({"abcdef"});
    editor->Select(0, 2, 0, 4, SelectionOrigin::Mouse);
    editor->TextAttributes().SetColour(0x0000FF);
    const TUVAparag& p = box.At(0);
    EXPECT_EQ(p.FontAt(1).colour, 0);
    EXPECT_EQ(p.FontAt(2).colour, 0x0000FF);
    EXPECT_EQ(p.FontAt(4).colour, 0); // restored at the selection end
    EXPECT_EQ(undo.Captions(), std::vector<std::string>{"Apply color Red"});

    Load({"abcdef"});
    editor->Select(0, 2, 0, 4, SelectionOrigin::Mouse);
    editor->TextAttributes().SetColour(0); // the colour it already has
    EXPECT_TRUE(box.At(0).RunFonts().empty());
}

// Characters as wide as their font's point size, so a size change shows in the layout.
class SizedMetrics : public IFontMetrics {
public:
    int TextWidth(const FontSpec& f, std::string_view text) const override
    {
        return static_cast<int>(text.size()) * f.size;
    }
    int Ascent(const FontSpec& f) const override { return f.size; }
    int Descent(const FontSpec& f) const override { return f.size / 4; }
};

TEST(SizeChange, ReMeasuresTheSelectedCharacters)
{
    SizedMetrics metrics;
    StyleTable styles = testing::FlatStyles();
    TUVAboxModel box{metrics};
    ParagraphList list;
    list.push_back(testing::MakeParagraph(styles, "abc def", metrics));
    box.SetTextWidth(200);
    box.SetParagraphs(std::move(list));
    UndoStepLog undo;
    TUVAboxEditor editor(box, &undo);
    editor.Select(0, 0, 0, 3, SelectionOrigin::Mouse);
    editor.TextAttributes().SetSize(30);
    EXPECT_EQ(undo.Captions(), std::vector<std::string>{"Apply font size 30"});
    EXPECT_EQ(box.At(0).Records()[0].width, 30);
    EXPECT_EQ(box.At(0).Records()[3].width, 12);
    EXPECT_EQ(box.At(0).Lines()[0].usedWidth, 90 + 4 * 12);
    EXPECT_EQ(box.At(0).Lines()[0].height, 30 + 7);
}

struct AlignCase {
    int value;
    const char* caption;
    int offset; // of "abc" in a 200 px box
};

class Alignment : public Fixture, public ::testing::WithParamInterface<AlignCase> {};

TEST_P(Alignment, AppliesToEverySelectedParagraph)
{
    const AlignCase& c = GetParam();
    Load({"abc", "abc", "abc"});
    editor->Select(0, 1, 1, 1, SelectionOrigin::Mouse);
    editor->ParaAttributes().SetAlignment(c.value);
    EXPECT_EQ(undo.Captions(), std::vector<std::string>{c.caption});
    EXPECT_EQ(box.At(0).Lines()[0].alignOffset, c.offset);
    EXPECT_EQ(box.At(1).Lines()[0].alignOffset, c.offset);
    EXPECT_EQ(box.At(2).Lines()[0].alignOffset, 0);
    EXPECT_EQ(editor->ParaAttributes().Alignment(), c.value);
}

INSTANTIATE_TEST_SUITE_P(Values, Alignment,
                         ::testing::Values(AlignCase{0, "Align to left", 0}, AlignCase{1, "Align to right", 170},
                                           AlignCase{2, "Center", 85}));

TEST_F(Fixture, NumberingHangsTheNumberAndGivesTheIndentBack)
{
    SetScreenPixelsPerInch(96);
    Load({"item"});
    TUVAParaStyle& s = box.At(0).Style();
    s.SetUnit(kUnitPixels);
    s.SetLeftIndent(10);
    editor->ParaAttributes().SetNumbering(6);
    const int d = UnitToPixels(10.0f, kUnitMillimetres, 96); // 38
    EXPECT_EQ(s.FirstIndent(), -d);
    EXPECT_EQ(s.LeftIndent(), 10 + d);
    EXPECT_EQ(box.At(0).Lines()[0].indentOffset, 10 + d); // the text starts at the left indent
    editor->ParaAttributes().SetNumbering(10);                // other kind: indents stay
    EXPECT_EQ(s.LeftIndent(), 10 + d);
    editor->ParaAttributes().SetNumbering(0);
    EXPECT_EQ(s.LeftIndent(), 10);
    EXPECT_EQ(s.FirstIndent(), 0);
    EXPECT_EQ(undo.Captions(), (std::vector<std::string>{"Numbering 6", "Numbering 10", "Numbering 0"}));

    // Numbering off with a positive first-line indent folds it into the left indent.
    s.SetLeftIndent(10);
    s.SetFirstIndent(20);
    editor->ParaAttributes().SetNumbering(0);
    EXPECT_EQ(s.LeftIndent(), 30);
    EXPECT_EQ(s.FirstIndent(), 0);
}

TEST_F(Fixture, MeasuresAreTakenInTheParagraphUnit)
{
    SetScreenPixelsPerInch(96);
    Load({"abc def ghi"}, 100);
    box.At(0).Style().SetUnit(kUnitPixels);
    editor->ParaAttributes().SetLeftIndent(30);
    EXPECT_EQ(box.At(0).Lines()[0].indentOffset, 30);
    EXPECT_EQ(box.At(0).Lines().size(), 3u); // 70 px: "abc def " no longer fits
    box.At(0).Style().SetUnit(kUnitInches);
    editor->ParaAttributes().SetSpaceAbove(0.5f);
    EXPECT_EQ(box.At(0).Style().SpaceAbove(), 48);
    EXPECT_EQ(undo.Captions(), (std::vector<std::string>{"Left margin 30", "Top margin 0.5"}));
}

TEST_F(Fixture, StyleByNameKeepsOrDropsRunFonts)
{
    Load({"abcd"});
    editor->Select(0, 1, 0, 2, SelectionOrigin::Mouse);
    editor->TextAttributes().ChangeStyle(kFontBold, 0);
    editor->SetCaret(0, 0);
    editor->ParaAttributes().SetStyle("quote"); // names compare in upper case
    EXPECT_EQ(box.At(0).Style().StyleId(), quoteId);
    EXPECT_EQ(box.At(0).FontAt(0).size, 14);
    EXPECT_EQ(StyleBitsOf(0), (std::vector<int>{0, 1, 0, 0})); // another style keeps run fonts
    EXPECT_EQ(box.At(0).Lines()[0].indentOffset, 30);
    editor->ParaAttributes().SetStyle("Quote"); // its own style again: formatting goes
    EXPECT_EQ(StyleBitsOf(0), (std::vector<int>{0, 0, 0, 0}));
    editor->ParaAttributes().SetStyle("nothing such");
    EXPECT_EQ(box.At(0).Style().StyleId(), quoteId);
    EXPECT_EQ(undo.Captions().back(), "Style nothing such");
}

TEST_F(Fixture, ParagraphAttributesCopyFromAnotherBox)
{
    SetScreenPixelsPerInch(96);
    Load({"source"});
    TUVAParaStyle& src = box.At(0).Style();
    src.SetUnit(kUnitPixels);
    src.SetAlignment(2);
    src.SetNumbering(6);
    src.SetLeftIndent(48);
    src.SetFirstIndent(-20);
    src.SetSpaceBelow(6);
    src.SetLinkColour(0x00FF00);

    TUVAboxModel other{metrics};
    ParagraphList list;
    list.push_back(testing::MakeParagraph(styles, "target", metrics, quoteId));
    other.SetTextWidth(200);
    other.SetParagraphs(std::move(list));
    TUVAboxEditor target(other);
    target.ParaAttributes().Assign(editor->ParaAttributes());

    const TUVAParaStyle& got = other.At(0).Style();
    EXPECT_EQ(got.Unit(), kUnitPixels);
    EXPECT_EQ(got.Alignment(), 2);
    EXPECT_EQ(got.Numbering(), 6);
    EXPECT_EQ(got.LeftIndent(), 48);
    EXPECT_EQ(got.FirstIndent(), -20);
    EXPECT_EQ(got.SpaceBelow(), 6);
    EXPECT_EQ(got.LinkColour(), 0x00FF00);
    EXPECT_EQ(other.At(0).Lines()[0].indentOffset, 48); // laid out with them
}

TEST_F(Fixture, AssigningAFontWithoutASelectionMakesItPendingForTyping)
{
    Load({"ab"});
    editor->SetCaret(0, 1);
    TMyFont font;
    font.name = "Arial";
    font.size = 18;
    font.style = kFontItalic;
    font.colour = 0x0000FF;
    font.position = kPositionSuperscript;
    editor->TextAttributes().Assign(font);
    TMyFont back;
    editor->TextAttributes().AssignTo(back);
    EXPECT_EQ(back, font);
    Type("x");
    EXPECT_EQ(box.At(0).FontAt(1), font);
    EXPECT_TRUE(undo.Captions() == std::vector<std::string>{"Text insertion"});
}

} // namespace
} // namespace quor
