// TUVAParaAttributes.h: the paragraph-attribute object of a text box. Setters
// apply to every paragraph from the one holding the selection start to the one
// holding its end (or the caret's); getters read the caret's paragraph.
// Measures are in each paragraph's own display unit.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace quor {

class IStyleSource;
class TUVAboxEditor;
class TUVAParaStyle;

class TUVAParaAttributes {
public:
    explicit TUVAParaAttributes(TUVAboxEditor& editor) : m_editor(editor) {}

    int Alignment() const;
    int Numbering() const;
    int Unit() const;
    float LineHeight() const;
    float FirstIndent() const; // 0 when there is no caret paragraph
    float LeftIndent() const;
    float RightIndent() const;
    float SpaceAbove() const;
    float SpaceBelow() const;
    std::int32_t LinkColour() const;
    std::int32_t LinkSize() const;
    int LinkStyle() const;
    std::string StyleName() const;

    void SetAlignment(int value); // "Align to left", "Align to right", "Center"
    void SetNumbering(int value); // "Numbering " + value; indents hang the number
    void SetUnit(int value);      // no undo step, no layout
    void SetLineHeight(float value);
    void SetSpaceAbove(float value);
    void SetSpaceBelow(float value);
    void SetFirstIndent(float value);
    void SetLeftIndent(float value);
    void SetRightIndent(float value);
    void SetLinkColour(std::int32_t colour);
    void SetLinkSize(std::int32_t size);
    void SetLinkStyle(int bits);
    // Style by name (upper-case comparison). Its own style again drops every
    // run font; another style keeps them. An unknown name changes nothing
    // (its undo step is recorded all the same).
    void SetStyle(std::string_view name);

    // Alignment, numbering, unit, line height, first-line, left and right
    // indents, space above and below, link colour, size and style of the
    // other box's caret paragraph, each through the setter above.
    void Assign(const TUVAParaAttributes& other);

    // A new style record (a kind-17 record image) made from the caret
    // paragraph: a copy of its style's record with the paragraph's effective
    // alignment, link size, colour and style, unit, numbering and its six
    // measures (in pixels) written in, and the position set to normal. The
    // caller names and registers it, and may copy the font in
    // (TUVATextAttributes::CopyFontToStyle).
    std::vector<std::uint8_t> MakeStyleFromParagraph() const;

    // Id of the live style with this name (upper-case comparison), or -1.
    static int FindStyle(const IStyleSource& source, std::string_view name);

    // Measures in undo labels: general floating-point form ("2.5", "10").
    static std::string NumberText(float value);

private:
    enum class Relayout { None, Lines, Remeasure }; // Remeasure: link fonts changed
    const TUVAParaStyle* CaretStyle() const;
    // Records `caption` (none when empty), gives each selected paragraph's
    // style to `set`, then lays the paragraphs out again as `layout` says.
    template <class F>
    void ForEach(const std::string& caption, Relayout layout, F set);

    TUVAboxEditor& m_editor;
};

} // namespace quor
