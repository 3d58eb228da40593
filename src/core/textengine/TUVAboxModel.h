// TUVAboxModel.h: the widget-free part of a text box: its paragraphs, their
// layout into lines and onto the box, hit testing and caret geometry. The
// TUVAbox widget paints from it and drives it; editing works on it through
// TUVAboxEditor.
#pragma once

#include "base/IFontMetrics.h"
#include "textengine/IObjectLayout.h"
#include "textengine/ParagraphLayout.h"
#include "textengine/ParagraphMeasurer.h"
#include "textengine/TCaretPos.h"
#include "textengine/TUVAparag.h"

#include <cstdint>
#include <string>
#include <vector>

namespace quor {

// What the box model tells its widget. Every call has a do-nothing default.
class IBoxView {
public:
    virtual ~IBoxView() = default;
    virtual void InvalidateBand(int top, int bottom) {}
    // Paragraphs from `from` on moved: their controls hide until the next paint.
    virtual void ParagraphsShifted(int from) {}
    // Horizontal range (0 when everything fits) and vertical range (content height).
    virtual void ScrollRangesChanged(int horizontal, int vertical) {}
    // The caret or the selection changed; the host reports it on (its
    // OnSelectionChange). Called by the editor and the mouse logic after
    // navigation keys, the first character of a typing run, Enter, a Delete or
    // Backspace that opens a deletion run, mouse selecting and releases,
    // double-click word selection and loading.
    virtual void SelectionChanged() {}
    // The paragraph attributes under the caret changed (OnRulerPosChanged):
    // after paragraph attributes are applied and after loading.
    virtual void RulerPosChanged() {}
};

enum class HitScope { OwnText, Full };

// Number or bullet drawn before a paragraph's first line.
struct NumberMarker {
    bool present = false;
    bool bullet = false;  // the letter "w" of "Wingdings"
    std::string text;     // "n. " for numbered paragraphs
    int x = 0;
};

class TUVAboxModel {
public:
    explicit TUVAboxModel(const IFontMetrics& metrics);

    const IFontMetrics& Metrics() const { return m_metrics; }
    const ParagraphMeasurer& Measurer() const { return m_measurer; }
    void SetView(IBoxView* view) { m_view = view; }
    IBoxView* View() const { return m_view; }
    void SetObjectLayout(IObjectLayout* objects) { m_objects = objects; }

    // Paragraphs: header paragraphs first, footer paragraphs last, own text between.
    ParagraphList& Paragraphs() { return m_paragraphs; }
    const ParagraphList& Paragraphs() const { return m_paragraphs; }
    int Count() const { return static_cast<int>(m_paragraphs.size()); }
    TUVAparag& At(int i) { return *m_paragraphs[static_cast<std::size_t>(i)]; }
    const TUVAparag& At(int i) const { return *m_paragraphs[static_cast<std::size_t>(i)]; }
    // Takes the paragraphs (as loaded from markup) and lays the box out.
    void SetParagraphs(ParagraphList paragraphs, int headerCount = 0, int footerCount = 0);
    int HeaderCount() const { return m_headerCount; }
    int FooterCount() const { return m_footerCount; }
    int FirstOwn() const { return m_headerCount; }
    int LastOwn() const { return Count() - m_footerCount - 1; } // < FirstOwn() when there is none
    bool IsOwn(int i) const { return i >= FirstOwn() && i <= LastOwn(); }

    // Box layout fields.
    int TextWidth() const { return m_state.textWidth; }
    // Never narrower than 20 pixels; a change lays the whole box out again.
    void SetTextWidth(int width);
    void SetCellPadding(int padding) { m_state.cellPadding = padding; m_inTable = true; }
    bool InTable() const { return m_inTable; }
    int CellPadding() const { return m_state.cellPadding; }
    int WidestNeeded() const { return m_state.widestNeeded; }
    int HorizontalRange() const { return m_state.widestNeeded > m_state.textWidth ? m_state.widestNeeded : 0; }
    int ContentHeight() const; // last paragraph's bottom + 1

    // Top of the first paragraph: its space above, or 8 when that is 0; in a
    // table cell its space above plus the cell padding.
    int FirstTop() const;
    // Lays out one paragraph from `top`; returns the next paragraph's top.
    int LayOutParagraph(int index, int top);
    // Lays out first..last from startY, then moves every following paragraph
    // by the change of the end y (old end y = last's old bottom + 1).
    void LayOutRange(int first, int last, int startY, int oldEndY);
    // Re-lays out paragraphs first..last where they stand and shifts the rest.
    void Relayout(int first, int last);
    void ShiftParagraphs(int from, int delta);
    void LayOutBox();
    // Paragraph layouts done so far (lets tests check that an edit stays local).
    std::uint64_t LayoutCount() const { return m_layoutCount; }

    // Number of each paragraph for painting: a counter starts at 1, every
    // numbered paragraph takes it and increments it, any other resets it to 1.
    std::vector<int> ParagraphNumbers() const;
    NumberMarker MarkerOf(int index, int number) const;

    // Hit testing: binary search by y, then the last line whose top is not below
    // the point, then the character whose span contains x (the caret goes
    // before it). Only the last line of a paragraph can hit its end.
    TCaretPos HitTest(int x, int y, HitScope scope = HitScope::OwnText) const;
    // Geometry of the caret before character `index` of paragraph `para`. A
    // position that ends one line and starts the next shows at the next line's
    // start unless `lineHint` names the line it ends.
    TCaretPos CaretAt(int para, int index, int lineHint = -1) const;
    // Line holding `index` (with the same rule as CaretAt).
    int LineOf(int para, int index, int lineHint = -1) const;
    // x of position `index` within line `line`.
    int XOf(int para, int line, int index) const;
    // Position in `line` for a caret x: the first whose x is not left of it,
    // at most the line's end.
    int IndexAtX(int para, int line, int x) const;
    // Link value of the character at a position: the last character when the
    // position is the paragraph's end; -1 for none and for a table.
    int LinkAt(int para, int index) const;
    // Last position of a line: its end index (the paragraph's length on the last line).
    int LineEnd(int para, int line) const;

private:
    const IFontMetrics& m_metrics;
    ParagraphMeasurer m_measurer;
    IBoxView* m_view = nullptr;
    IObjectLayout* m_objects = nullptr;
    ParagraphList m_paragraphs;
    int m_headerCount = 0;
    int m_footerCount = 0;
    bool m_inTable = false;
    BoxLayoutState m_state;
    std::uint64_t m_layoutCount = 0;
};

} // namespace quor
