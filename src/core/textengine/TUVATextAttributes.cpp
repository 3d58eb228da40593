// TUVATextAttributes.cpp: character attributes of the selection.
#include "textengine/TUVATextAttributes.h"

#include "model/ParagraphStyle.h"
#include "textengine/ParagraphEdit.h"
#include "textengine/TUVAParaAttributes.h"
#include "textengine/TUVAboxEditor.h"

#include <algorithm>
#include <cstdio>
#include <limits>

namespace quor {

// One attribute change: which attribute, the new value (or, for style bits
// changed by ChangeStyle, the bits to set and clear).
struct TUVATextAttributes::Change {
    FontAttr attr = kFontAttrColour;
    TMyFont value;
    bool changeStyle = false;
    std::uint8_t setBits = 0;
    std::uint8_t clearBits = 0;

    TMyFont Transform(TMyFont f) const
    {
        if (changeStyle) {
            f.style = static_cast<std::uint8_t>((f.style | setBits) & ~clearBits);
            return f;
        }
        switch (attr) {
        case kFontAttrColour: f.colour = value.colour; break;
        case kFontAttrName: f.name = value.name; break;
        case kFontAttrSize: f.size = value.size; break;
        case kFontAttrStyle: f.style = value.style; break;
        case kFontAttrPosition: f.position = value.position; break;
        default: break;
        }
        return f;
    }
    FontAttr Attr() const { return changeStyle ? kFontAttrStyle : attr; }
    bool Same(const TMyFont& a, const TMyFont& b) const
    {
        switch (Attr()) {
        case kFontAttrColour: return a.colour == b.colour;
        case kFontAttrName: return a.name == b.name;
        case kFontAttrSize: return a.size == b.size;
        case kFontAttrStyle: return a.style == b.style;
        case kFontAttrPosition: return a.position == b.position;
        default: return true;
        }
    }
    template <class Target>
    void Set(Target& t, const TMyFont& f) const
    {
        switch (Attr()) {
        case kFontAttrColour: t.SetColour(f.colour); break;
        case kFontAttrName: t.SetName(f.name); break;
        case kFontAttrSize: t.SetSize(f.size); break;
        case kFontAttrStyle: t.SetStyle(f.style); break;
        case kFontAttrPosition: t.SetPosition(f.position); break;
        default: break;
        }
    }
    void ApplyTo(TUVAFontStyle& rf) const { Set(rf, Transform(rf.Effective())); }
    void ApplyTo(TUVAParaStyle& ps) const { Set(ps, Transform(ps.EffectiveFont())); }
};

namespace {

// Runs font changes at `pos` of `par` so that from there on the attribute is
// that of `font`: an existing run font there gets it, else a new run font
// made from `font` starts there.
template <class ChangeT>
void RunFontAtPosition(TUVAparag& par, int pos, const TMyFont& font, const ChangeT& change)
{
    TCharRec& r = par.Records()[static_cast<std::size_t>(pos)];
    if (r.runFont < 0) {
        ParagraphEdit::EnsureRunFont(par, pos, font);
        return;
    }
    change.Set(par.RunFonts()[static_cast<std::size_t>(r.runFont)], font);
}

} // namespace

int TUVATextAttributes::FontAt(Where where)
{
    const TUVAboxModel& box = m_editor.Box();
    TCaretPos pos = m_editor.Caret();
    int index = pos.index;
    switch (where) {
    case Where::BeforeCaret: index = pos.index - 1; break;
    case Where::Caret: index = pos.index; break;
    case Where::AfterCaret: index = pos.index + 1; break;
    case Where::BeforeSelStart: pos = m_editor.SelectionStart(); index = pos.index - 1; break;
    case Where::SelStart: pos = m_editor.SelectionStart(); index = pos.index; break;
    case Where::SelEnd: pos = m_editor.SelectionEnd(); index = pos.index; break;
    case Where::BeforeSelEnd: pos = m_editor.SelectionEnd(); index = pos.index - 1; break;
    }
    if (pos.paragraph < 0 || pos.paragraph >= box.Count()) {
        m_current = TMyFont{};
        return -1;
    }
    const TUVAparag& par = box.At(pos.paragraph);
    m_current = par.FontAt(index);
    const auto& recs = par.Records();
    return index >= 0 && index < static_cast<int>(recs.size()) ? recs[static_cast<std::size_t>(index)].link : -1;
}

TMyFont TUVATextAttributes::FontBeforeOrAtSelection()
{
    FontAt(m_editor.HasSelection() ? Where::SelStart : Where::BeforeCaret);
    return m_current;
}

std::int32_t TUVATextAttributes::Colour()
{
    return (m_pendingFlags & kPendColour) ? m_pending.colour : FontBeforeOrAtSelection().colour;
}
std::string TUVATextAttributes::FontName()
{
    return (m_pendingFlags & kPendName) ? m_pending.name : FontBeforeOrAtSelection().name;
}
std::int32_t TUVATextAttributes::Size()
{
    return (m_pendingFlags & kPendSize) ? m_pending.size : FontBeforeOrAtSelection().size;
}
std::uint8_t TUVATextAttributes::Style()
{
    return (m_pendingFlags & kPendStyle) ? m_pending.style : FontBeforeOrAtSelection().style;
}
std::uint8_t TUVATextAttributes::Position()
{
    return (m_pendingFlags & kPendPosition) ? m_pending.position : FontBeforeOrAtSelection().position;
}

TMyFont TUVATextAttributes::WithPending(TMyFont font) const
{
    if (m_pendingFlags & kPendColour)
        font.colour = m_pending.colour;
    if (m_pendingFlags & kPendSize)
        font.size = m_pending.size;
    if (m_pendingFlags & kPendName)
        font.name = m_pending.name;
    if (m_pendingFlags & kPendPosition)
        font.position = m_pending.position;
    if (m_pendingFlags & kPendStyle)
        font.style = m_pending.style;
    return font;
}

void TUVATextAttributes::SetColour(std::int32_t colour)
{
    Change c;
    c.attr = kFontAttrColour;
    c.value.colour = colour;
    Apply(c, "Apply color " + ColourText(colour));
}

void TUVATextAttributes::SetFontName(std::string_view name)
{
    Change c;
    c.attr = kFontAttrName;
    c.value.name = std::string(name);
    Apply(c, "Apply font " + std::string(name));
}

void TUVATextAttributes::SetSize(std::int32_t size)
{
    Change c;
    c.attr = kFontAttrSize;
    c.value.size = size;
    Apply(c, "Apply font size " + std::to_string(size));
}

void TUVATextAttributes::SetStyle(std::uint8_t bits)
{
    Change c;
    c.attr = kFontAttrStyle;
    c.value.style = bits;
    Apply(c, "Apply font style: " + StyleText(bits));
}

void TUVATextAttributes::SetPosition(std::uint8_t position)
{
    Change c;
    c.attr = kFontAttrPosition;
    c.value.position = position;
    static const char* const kNames[] = {"Normal", "Subscript", "Superscript"};
    Apply(c, std::string("Apply font ") + (position < 3 ? kNames[position] : "Normal"));
}

void TUVATextAttributes::ChangeStyle(std::uint8_t setBits, std::uint8_t clearBits)
{
    Change c;
    c.changeStyle = true;
    c.setBits = setBits;
    c.clearBits = clearBits;
    Apply(c, "Apply font style: ");
}

void TUVATextAttributes::Apply(const Change& change, const std::string& caption)
{
    m_editor.EndEditRuns();
    if (!m_editor.HasSelection()) {
        // Remembered for the next typed character.
        TMyFont now = m_current;
        now.colour = Colour();
        now.name = FontName();
        now.size = Size();
        now.style = Style();
        now.position = Position();
        const TMyFont v = change.Transform(now);
        switch (change.Attr()) {
        case kFontAttrColour: m_pending.colour = v.colour; m_pendingFlags |= kPendColour; break;
        case kFontAttrName: m_pending.name = v.name; m_pendingFlags |= kPendName; break;
        case kFontAttrSize: m_pending.size = v.size; m_pendingFlags |= kPendSize; break;
        case kFontAttrStyle: m_pending.style = v.style; m_pendingFlags |= kPendStyle; break;
        case kFontAttrPosition: m_pending.position = v.position; m_pendingFlags |= kPendPosition; break;
        default: break;
        }
        return;
    }
    m_pendingFlags = 0;
    const TCaretPos s = m_editor.SelectionStart();
    const TCaretPos e = m_editor.SelectionEnd();
    UndoStep step;
    step.caption = caption;
    step.kind = UndoKind::Snapshot;
    step.firstParagraph = s.paragraph;
    step.lastParagraph = e.paragraph;
    m_editor.Change(step, [&] {
        TUVAboxModel& box = m_editor.Box();
        FontAt(Where::SelEnd);
        const TMyFont endFont = m_current; // the text after the selection keeps it

        // First paragraph: a run font with the new value starts at the selection start.
        TUVAparag& first = box.At(s.paragraph);
        FontAt(Where::SelStart);
        const TMyFont startFont = m_current;
        m_current = change.Transform(startFont);
        if (change.changeStyle || !change.Same(startFont, m_current))
            RunFontAtPosition(first, s.index, m_current, change);
        const bool onePara = s.paragraph == e.paragraph;
        const int stop = onePara ? e.index : first.Length() + 1;
        for (int i = s.index; i < stop; ++i) {
            const int rf = first.Records()[static_cast<std::size_t>(i)].runFont;
            if (rf >= 0) {
                change.ApplyTo(first.RunFonts()[static_cast<std::size_t>(rf)]);
                m_current = first.RunFonts()[static_cast<std::size_t>(rf)].Effective();
            }
        }
        // Paragraphs wholly inside the selection.
        for (int p = s.paragraph + 1; p < e.paragraph; ++p) {
            TUVAparag& par = box.At(p);
            change.ApplyTo(par.Style());
            for (TUVAFontStyle& rf : par.RunFonts())
                change.ApplyTo(rf);
        }
        TUVAparag& last = box.At(e.paragraph);
        if (!onePara) {
            change.ApplyTo(last.Style());
            m_current = last.Style().EffectiveFont();
            for (int i = 0; i < e.index; ++i) {
                const int rf = last.Records()[static_cast<std::size_t>(i)].runFont;
                if (rf >= 0) {
                    change.ApplyTo(last.RunFonts()[static_cast<std::size_t>(rf)]);
                    m_current = last.RunFonts()[static_cast<std::size_t>(rf)].Effective();
                }
            }
        }
        // The text after the selection keeps the value it had.
        m_current = endFont;
        if (!change.Same(endFont, change.Transform(endFont)))
            RunFontAtPosition(last, e.index, endFont, change);

        if (change.Attr() == kFontAttrColour) {
            box.Relayout(s.paragraph, e.paragraph); // colour is not measured
            m_editor.RefreshCaret();
        } else {
            m_editor.Rebuild(s.paragraph, e.paragraph);
        }
    });
}

std::string TUVATextAttributes::SelectedText() const
{
    return m_editor.SelectedText();
}

void TUVATextAttributes::Assign(const TMyFont& font)
{
    SetColour(font.colour);
    SetFontName(font.name);
    SetStyle(font.style);
    SetSize(font.size);
    SetPosition(font.position);
}

void TUVATextAttributes::Assign(const FontSpec& platformFont, std::int32_t colour)
{
    SetColour(colour);
    SetFontName(platformFont.name);
    SetStyle(platformFont.style);
    SetSize(platformFont.size);
}

void TUVATextAttributes::Assign(TUVATextAttributes& other)
{
    TMyFont font;
    other.AssignTo(font);
    const std::int32_t link = other.LinkValue();
    Assign(font);
    if (m_editor.HasSelection())
        SetLink(link); // a link needs a selection; without one it is not pending
}

void TUVATextAttributes::AssignTo(TMyFont& font)
{
    font.colour = Colour();
    font.name = FontName();
    font.style = Style();
    font.size = Size();
    font.position = Position();
}

std::int32_t TUVATextAttributes::LinkValue()
{
    return FontAt(m_editor.HasSelection() ? Where::SelStart : Where::BeforeCaret);
}

bool TUVATextAttributes::SetLink(std::int32_t linkValue)
{
    m_editor.EndEditRuns();
    if (!m_editor.HasSelection()) {
        if (IMessages* messages = m_editor.Messages())
            messages->Show(MessageKind::Warning, kLinkNeedsSelection);
        return false;
    }
    m_pendingFlags = 0;
    const TCaretPos s = m_editor.SelectionStart();
    const TCaretPos e = m_editor.SelectionEnd();
    UndoStep step;
    step.caption = "Insert link ";
    step.kind = UndoKind::Snapshot;
    step.firstParagraph = s.paragraph;
    step.lastParagraph = e.paragraph;
    return m_editor.Change(step, [&] {
        TUVAboxModel& box = m_editor.Box();
        for (int p = s.paragraph; p <= e.paragraph; ++p) {
            auto& recs = box.At(p).Records();
            const int last = static_cast<int>(recs.size()) - 1; // the end record
            // A selection that goes on past a paragraph takes its end record
            // along, so the link carries over the paragraph break.
            const int from = p == s.paragraph ? std::min(s.index, last) : 0;
            const int to = p == e.paragraph ? e.index : last + 1;
            for (int i = from; i < to; ++i)
                recs[static_cast<std::size_t>(i)].link = linkValue;
        }
        m_editor.Rebuild(s.paragraph, e.paragraph);
    });
}

bool TUVATextAttributes::DiffersFromStyle(std::string_view styleName)
{
    const bool selection = m_editor.HasSelection();
    FontAt(selection ? Where::SelStart : Where::BeforeCaret);
    m_current = WithPending(m_current);
    const TUVAboxModel& box = m_editor.Box();
    const int p = selection ? m_editor.SelectionStart().paragraph : m_editor.Caret().paragraph;
    if (p < 0 || p >= box.Count())
        return true;
    const TUVAparag& par = box.At(p);
    const IStyleSource* source = par.Style().Base().source;
    const int id = source ? TUVAParaAttributes::FindStyle(*source, styleName) : -1;
    if (id < 0)
        return true;
    const auto rec = source->StyleRecord(id);
    namespace o = StyleOffset;
    const bool sameFont = m_current.size == ParagraphStyle::ReadI16(rec, o::kFontSize) &&
                          m_current.colour == ParagraphStyle::ReadI32(rec, o::kColour) &&
                          m_current.name == ParagraphStyle::ReadName(rec, o::kFontName) &&
                          m_current.style == ParagraphStyle::ReadU8(rec, o::kStyleBits) &&
                          m_current.position == ParagraphStyle::ReadU8(rec, o::kPosition);
    return !(sameFont && !par.Style().AnyOverride());
}

void TUVATextAttributes::CopyFontToStyle(std::span<std::uint8_t> styleRecord)
{
    namespace o = StyleOffset;
    // Sizes are 16-bit in the record.
    const std::int32_t size = std::clamp<std::int32_t>(Size(), std::numeric_limits<std::int16_t>::min(),
                                                       std::numeric_limits<std::int16_t>::max());
    ParagraphStyle::WriteName(styleRecord, o::kFontName, FontName());
    ParagraphStyle::WriteI16(styleRecord, o::kFontSize, size);
    ParagraphStyle::WriteI32(styleRecord, o::kColour, Colour());
    ParagraphStyle::WriteU8(styleRecord, o::kStyleBits, Style());
    ParagraphStyle::WriteU8(styleRecord, o::kPosition, kPositionNormal);
}

bool TUVATextAttributes::FormStartMissing() const
{
    const TUVAboxModel& box = m_editor.Box();
    const TCaretPos s = m_editor.SelectionStart();
    if (s.paragraph < 0 || s.paragraph >= box.Count())
        return true;
    for (int p = 0; p <= s.paragraph; ++p) {
        const TUVAparag& par = box.At(p);
        const int stop = p == s.paragraph ? std::min(s.index, par.Length()) : par.Length();
        for (int i = 0; i < stop; ++i) {
            const EmbeddedObject* obj = par.ObjectAt(i);
            if (obj && obj->kind == kObjectKindFormStart)
                return false;
        }
    }
    return true;
}

std::string TUVATextAttributes::StyleText(std::uint8_t bits)
{
    std::string out;
    if (bits & kFontItalic)
        out += "Italico ";
    if (bits & kFontBold)
        out += "Grassetto ";
    return out;
}

std::string TUVATextAttributes::ColourText(std::int32_t colour)
{
    struct Named {
        std::int32_t value;
        const char* name;
    };
    static const Named kNames[] = {
        {0x000000, "Black"}, {0x000080, "Maroon"}, {0x008000, "Green"}, {0x008080, "Olive"},
        {0x800000, "Navy"},  {0x800080, "Purple"}, {0x808000, "Teal"},  {0x808080, "Gray"},
        {0xC0C0C0, "Silver"}, {0x0000FF, "Red"},   {0x00FF00, "Lime"},  {0x00FFFF, "Yellow"},
        {0xFF0000, "Blue"},  {0xFF00FF, "Fuchsia"}, {0xFFFF00, "Aqua"}, {0xFFFFFF, "White"},
    };
    for (const Named& n : kNames)
        if (n.value == colour)
            return n.name;
    char buf[16];
    std::snprintf(buf, sizeof buf, "$%.8X", static_cast<unsigned>(colour));
    return std::string(buf + 2);
}

} // namespace quor
