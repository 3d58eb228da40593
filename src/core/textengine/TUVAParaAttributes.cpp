// TUVAParaAttributes.cpp: paragraph attributes of the selected paragraphs.
#include "textengine/TUVAParaAttributes.h"

#include "model/AnsiCase.h"
#include "model/ParagraphStyle.h"
#include "model/TUVAParaStyle.h"
#include "model/Units.h"
#include "textengine/TUVATextAttributes.h"
#include "textengine/TUVAboxEditor.h"

#include <algorithm>
#include <cstdio>
#include <span>

namespace quor {

namespace {

// Style ids are looked up until the source has no more records; a document's
// style list keeps deleted styles as placeholders, so ids have no gaps.
constexpr int kMaxStyleScan = 1 << 16;

} // namespace

int TUVAParaAttributes::FindStyle(const IStyleSource& source, std::string_view name)
{
    const std::string wanted = AnsiUpper(name);
    for (int id = 0; id < kMaxStyleScan; ++id) {
        const auto rec = source.StyleRecord(id);
        if (rec.empty())
            break;
        if (ParagraphStyle::ReadU8(rec, StyleOffset::kState) == 1 &&
            AnsiUpper(ParagraphStyle::ReadName(rec, StyleOffset::kName)) == wanted)
            return id;
    }
    return -1;
}

std::string TUVAParaAttributes::NumberText(float value)
{
    char buf[32];
    std::snprintf(buf, sizeof buf, "%.7g", static_cast<double>(value));
    return buf;
}

const TUVAParaStyle* TUVAParaAttributes::CaretStyle() const
{
    const TUVAboxModel& box = m_editor.Box();
    const int p = m_editor.Caret().paragraph;
    if (p < 0 || p >= box.Count())
        return nullptr;
    return &box.At(p).Style();
}

template <class F>
void TUVAParaAttributes::ForEach(const std::string& caption, Relayout layout, F set)
{
    TUVAboxModel& box = m_editor.Box();
    if (box.Count() == 0)
        return;
    const int first = m_editor.SelectionStart().paragraph;
    const int last = m_editor.SelectionEnd().paragraph;
    auto apply = [&] {
        for (int p = first; p <= last; ++p)
            set(box.At(p).Style());
        if (layout == Relayout::Remeasure) {
            m_editor.Rebuild(first, last);
        } else if (layout == Relayout::Lines) {
            box.Relayout(first, last);
            m_editor.RefreshCaret();
        }
    };
    if (caption.empty()) {
        apply();
    } else {
        UndoStep step;
        step.caption = caption;
        step.kind = UndoKind::Snapshot;
        step.firstParagraph = first;
        step.lastParagraph = last;
        if (!m_editor.Change(step, apply))
            return;
    }
    m_editor.NotifyRulerMoved();
}

int TUVAParaAttributes::Alignment() const { const auto* s = CaretStyle(); return s ? s->Alignment() : 0; }
int TUVAParaAttributes::Numbering() const { const auto* s = CaretStyle(); return s ? s->Numbering() : 0; }
int TUVAParaAttributes::Unit() const { const auto* s = CaretStyle(); return s ? s->Unit() : 0; }
float TUVAParaAttributes::LineHeight() const { const auto* s = CaretStyle(); return s ? s->MeasureInUnit(ParaMeasure::LineHeight) : 0; }
float TUVAParaAttributes::FirstIndent() const { const auto* s = CaretStyle(); return s ? s->MeasureInUnit(ParaMeasure::FirstIndent) : 0; }
float TUVAParaAttributes::LeftIndent() const { const auto* s = CaretStyle(); return s ? s->MeasureInUnit(ParaMeasure::LeftIndent) : 0; }
float TUVAParaAttributes::RightIndent() const { const auto* s = CaretStyle(); return s ? s->MeasureInUnit(ParaMeasure::RightIndent) : 0; }
float TUVAParaAttributes::SpaceAbove() const { const auto* s = CaretStyle(); return s ? s->MeasureInUnit(ParaMeasure::SpaceAbove) : 0; }
float TUVAParaAttributes::SpaceBelow() const { const auto* s = CaretStyle(); return s ? s->MeasureInUnit(ParaMeasure::SpaceBelow) : 0; }
std::int32_t TUVAParaAttributes::LinkColour() const { const auto* s = CaretStyle(); return s ? s->LinkColour() : 0; }
std::int32_t TUVAParaAttributes::LinkSize() const { const auto* s = CaretStyle(); return s ? s->LinkSize() : 0; }
int TUVAParaAttributes::LinkStyle() const { const auto* s = CaretStyle(); return s ? s->LinkStyle() : 0; }

std::string TUVAParaAttributes::StyleName() const
{
    const auto* s = CaretStyle();
    if (!s)
        return {};
    const auto rec = s->Base().Record();
    return rec.empty() ? std::string{} : ParagraphStyle::ReadName(rec, StyleOffset::kName);
}

void TUVAParaAttributes::SetAlignment(int value)
{
    static const char* const kCaptions[] = {"Align to left", "Align to right", "Center"};
    const std::string caption = value >= 0 && value <= 2 ? kCaptions[value] : "Align to left";
    ForEach(caption, Relayout::Lines, [&](TUVAParaStyle& s) { s.SetAlignment(static_cast<std::uint8_t>(value)); });
}

void TUVAParaAttributes::SetNumbering(int value)
{
    ForEach("Numbering " + std::to_string(value), Relayout::Lines, [&](TUVAParaStyle& s) {
        const int old = s.Numbering();
        s.SetNumbering(static_cast<std::uint8_t>(value));
        if (value != 0 && old == 0) {
            // The number hangs in the margin: 10 mm out of the left indent.
            const float d = ConvertUnit(10.0f, kUnitMillimetres, s.Unit());
            const float left = s.MeasureInUnit(ParaMeasure::LeftIndent);
            s.SetMeasureInUnit(ParaMeasure::FirstIndent, -d);
            s.SetMeasureInUnit(ParaMeasure::LeftIndent, left + d);
        } else if (value == 0) {
            const float left = s.MeasureInUnit(ParaMeasure::LeftIndent);
            const float first = s.MeasureInUnit(ParaMeasure::FirstIndent);
            s.SetMeasureInUnit(ParaMeasure::LeftIndent, left + first);
            s.SetMeasureInUnit(ParaMeasure::FirstIndent, 0.0f);
        }
    });
}

void TUVAParaAttributes::SetUnit(int value)
{
    ForEach(std::string{}, Relayout::None, [&](TUVAParaStyle& s) { s.SetUnit(static_cast<std::uint8_t>(value)); });
}

void TUVAParaAttributes::SetLineHeight(float value)
{
    ForEach("Line height " + NumberText(value), Relayout::Lines,
            [&](TUVAParaStyle& s) { s.SetMeasureInUnit(ParaMeasure::LineHeight, value); });
}

void TUVAParaAttributes::SetSpaceAbove(float value)
{
    ForEach("Top margin " + NumberText(value), Relayout::Lines,
            [&](TUVAParaStyle& s) { s.SetMeasureInUnit(ParaMeasure::SpaceAbove, value); });
}

void TUVAParaAttributes::SetSpaceBelow(float value)
{
    ForEach("Bottom margin " + NumberText(value), Relayout::Lines,
            [&](TUVAParaStyle& s) { s.SetMeasureInUnit(ParaMeasure::SpaceBelow, value); });
}

void TUVAParaAttributes::SetFirstIndent(float value)
{
    ForEach("First line indent " + NumberText(value), Relayout::Lines,
            [&](TUVAParaStyle& s) { s.SetMeasureInUnit(ParaMeasure::FirstIndent, value); });
}

void TUVAParaAttributes::SetLeftIndent(float value)
{
    ForEach("Left margin " + NumberText(value), Relayout::Lines,
            [&](TUVAParaStyle& s) { s.SetMeasureInUnit(ParaMeasure::LeftIndent, value); });
}

void TUVAParaAttributes::SetRightIndent(float value)
{
    ForEach("Right margin " + NumberText(value), Relayout::Lines,
            [&](TUVAParaStyle& s) { s.SetMeasureInUnit(ParaMeasure::RightIndent, value); });
}

void TUVAParaAttributes::SetLinkColour(std::int32_t colour)
{
    ForEach("Link color " + TUVATextAttributes::ColourText(colour), Relayout::Lines,
            [&](TUVAParaStyle& s) { s.SetLinkColour(colour); });
}

void TUVAParaAttributes::SetLinkSize(std::int32_t size)
{
    ForEach("Link size " + std::to_string(size), Relayout::Remeasure, [&](TUVAParaStyle& s) { s.SetLinkSize(size); });
}

void TUVAParaAttributes::SetLinkStyle(int bits)
{
    ForEach("Link style" + TUVATextAttributes::StyleText(static_cast<std::uint8_t>(bits)), Relayout::Remeasure,
            [&](TUVAParaStyle& s) { s.SetLinkStyle(static_cast<std::uint8_t>(bits)); });
}

void TUVAParaAttributes::SetStyle(std::string_view name)
{
    TUVAboxModel& box = m_editor.Box();
    if (box.Count() == 0)
        return;
    const int first = m_editor.SelectionStart().paragraph;
    const int last = m_editor.SelectionEnd().paragraph;
    UndoStep step;
    step.caption = "Style " + std::string(name);
    step.kind = UndoKind::Snapshot;
    step.firstParagraph = first;
    step.lastParagraph = last;
    bool found = false;
    m_editor.Change(step, [&] {
        const IStyleSource* source = box.At(first).Style().Base().source;
        const int id = source ? FindStyle(*source, name) : -1;
        if (id < 0)
            return;
        const StyleBase base{source, id};
        for (int p = first; p <= last; ++p) {
            TUVAparag& par = box.At(p);
            if (par.Style().Base() == base) {
                // The paragraph's own style again: the text goes back to the style's font.
                for (TCharRec& r : par.Records())
                    r.runFont = -1;
                par.RunFonts().clear();
            } else {
                par.Style().SetBase(base);
                for (TUVAFontStyle& rf : par.RunFonts())
                    rf.SetBase(base);
            }
            par.Style().ClearOverrides();
        }
        m_editor.Rebuild(first, last);
        found = true;
    });
    if (found) {
        m_editor.NotifySelectionChanged();
        m_editor.NotifyRulerMoved();
    }
}

void TUVAParaAttributes::Assign(const TUVAParaAttributes& other)
{
    SetAlignment(other.Alignment());
    SetNumbering(other.Numbering());
    SetUnit(other.Unit());
    SetLineHeight(other.LineHeight());
    SetFirstIndent(other.FirstIndent());
    SetLeftIndent(other.LeftIndent());
    SetRightIndent(other.RightIndent());
    SetSpaceAbove(other.SpaceAbove());
    SetSpaceBelow(other.SpaceBelow());
    SetLinkColour(other.LinkColour());
    SetLinkSize(other.LinkSize());
    SetLinkStyle(other.LinkStyle());
}

std::vector<std::uint8_t> TUVAParaAttributes::MakeStyleFromParagraph() const
{
    namespace o = StyleOffset;
    std::vector<std::uint8_t> image(kRecordImageSize, 0);
    const TUVAParaStyle* s = CaretStyle();
    const auto base = s ? s->Base().Record() : std::span<const std::uint8_t>{};
    if (base.empty())
        ParagraphStyle::ClearRecord(image);
    else
        std::copy_n(base.begin(), std::min(base.size(), image.size()), image.begin());
    if (!s)
        return image;
    const int unit = s->Unit();
    auto pixels = [&](ParaMeasure m) { return UnitToPixels(s->MeasureInUnit(m), unit); };
    ParagraphStyle::WriteU8(image, o::kAlignment, s->Alignment());
    ParagraphStyle::WriteI16(image, o::kLinkSize, s->LinkSize());
    ParagraphStyle::WriteI32(image, o::kLinkColour, s->LinkColour());
    ParagraphStyle::WriteU8(image, o::kLinkStyle, s->LinkStyle());
    ParagraphStyle::WriteU8(image, o::kUnit, static_cast<std::uint8_t>(unit));
    ParagraphStyle::WriteU8(image, o::kNumbering, s->Numbering());
    ParagraphStyle::WriteI16(image, o::kLeftIndent, pixels(ParaMeasure::LeftIndent));
    ParagraphStyle::WriteI16(image, o::kRightIndent, pixels(ParaMeasure::RightIndent));
    ParagraphStyle::WriteI16(image, o::kSpaceAbove, pixels(ParaMeasure::SpaceAbove));
    ParagraphStyle::WriteI16(image, o::kSpaceBelow, pixels(ParaMeasure::SpaceBelow));
    ParagraphStyle::WriteI16(image, o::kLineHeight, pixels(ParaMeasure::LineHeight));
    ParagraphStyle::WriteI16(image, o::kFirstIndent, pixels(ParaMeasure::FirstIndent));
    ParagraphStyle::WriteU8(image, o::kPosition, kPositionNormal);
    return image;
}

} // namespace quor
