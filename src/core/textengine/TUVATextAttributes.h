// TUVATextAttributes.h: the character-attribute object of a text box. Reads
// the font at a position, keeps the attributes chosen while there is no
// selection (pending, used by the next typed character) and applies colour,
// name, size, style bits and position to the selection.
#pragma once

#include "model/TMyFont.h"

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace quor {

class TUVAboxEditor;

// Warning shown when a link is applied without a selection.
inline constexpr std::string_view kLinkNeedsSelection = "Selection must exists!";
// Object kind of a form start.
inline constexpr int kObjectKindFormStart = 23;

class TUVATextAttributes {
public:
    explicit TUVATextAttributes(TUVAboxEditor& editor) : m_editor(editor) {}

    // Positions FontAt can read.
    enum class Where { BeforeCaret = 0, Caret, AfterCaret, BeforeSelStart, SelStart, SelEnd, BeforeSelEnd };
    // Reads the font in force at a position into the current font and returns
    // the link value of the record there (-1 outside the records).
    int FontAt(Where where);
    const TMyFont& CurrentFont() const { return m_current; }

    // The pending value when set, else the font at the selection start, or
    // before the caret without a selection.
    std::int32_t Colour();
    std::string FontName();
    std::int32_t Size();
    std::uint8_t Style();
    std::uint8_t Position();

    // Without a selection the value becomes pending; with one it is applied
    // (undo caption "Apply color ...", "Apply font ...", "Apply font size ...",
    // "Apply font style: ...").
    void SetColour(std::int32_t colour);
    void SetFontName(std::string_view name);
    void SetSize(std::int32_t size);
    void SetStyle(std::uint8_t bits);
    void SetPosition(std::uint8_t position);
    // New style bits = (bits | set) & ~clear, worked out per run and per paragraph.
    void ChangeStyle(std::uint8_t setBits, std::uint8_t clearBits);

    // Link value of the character at the selection start, or before the caret
    // (-1 for none). The caller resolves it: a value whose top byte is 0..7 is
    // an object reference of the document, 0x6F000000 + i the i-th local link
    // of the page working copy.
    std::int32_t LinkValue();
    // Gives every character of the selection the link value (-1 removes
    // links): undo step "Insert link " (snapshot), the paragraphs are measured
    // and laid out again. `linkValue` is what the link object got when it was
    // attached to the page working copy. Without a selection the warning
    // "Selection must exists!" is shown and nothing changes.
    bool SetLink(std::int32_t linkValue);

    // False only when the font at the selection start (or before the caret),
    // with the pending attributes, equals the named style's font (size,
    // colour, exact name, style bits, position) and that paragraph overrides
    // nothing of its style. A name that names no style differs.
    bool DiffersFromStyle(std::string_view styleName);
    // Writes the effective font name (cut to 32 characters), size, colour and
    // style bits into a style record and sets its position to normal.
    void CopyFontToStyle(std::span<std::uint8_t> styleRecord);
    // False when a form-start object (kind 23) stands before the selection
    // start: earlier in its paragraph or anywhere in a paragraph before it.
    bool FormStartMissing() const;

    // The selected characters (paragraphs joined with nothing between them).
    std::string SelectedText() const;

    // Colour, name, style bits, size and position (and, from another box's
    // attributes, the link) through the setters above, in that order: pending
    // without a selection, applied to it with one.
    void Assign(const TMyFont& font);
    void Assign(const FontSpec& platformFont, std::int32_t colour); // no position
    void Assign(TUVATextAttributes& other);
    // The effective values (Colour(), FontName()...) into a font.
    void AssignTo(TMyFont& font);
    void AssignTo(TUVATextAttributes& target) { target.Assign(*this); }

    bool HasPending() const { return m_pendingFlags != 0; }
    // `font` with the pending attributes written into it.
    TMyFont WithPending(TMyFont font) const;
    void ClearPending() { m_pendingFlags = 0; }

    // Label texts of undo steps.
    static std::string StyleText(std::uint8_t bits);   // "Italico " / "Grassetto "
    static std::string ColourText(std::int32_t colour); // "Red", "0FF0000"...

private:
    enum Pending : unsigned { kPendColour = 1, kPendSize = 2, kPendName = 4, kPendPosition = 8, kPendStyle = 16 };
    struct Change;
    void Apply(const Change& change, const std::string& caption);
    TMyFont FontBeforeOrAtSelection();

    TUVAboxEditor& m_editor;
    TMyFont m_current;
    unsigned m_pendingFlags = 0;
    TMyFont m_pending;
};

} // namespace quor
