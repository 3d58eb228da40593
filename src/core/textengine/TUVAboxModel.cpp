// TUVAboxModel.cpp: box layout, paragraph placement, hit testing.
#include "textengine/TUVAboxModel.h"

#include <algorithm>

namespace quor {

TUVAboxModel::TUVAboxModel(const IFontMetrics& metrics) : m_metrics(metrics), m_measurer(metrics) {}

void TUVAboxModel::SetParagraphs(ParagraphList paragraphs, int headerCount, int footerCount)
{
    m_paragraphs = std::move(paragraphs);
    const int n = Count();
    m_headerCount = std::clamp(headerCount, 0, n);
    m_footerCount = std::clamp(footerCount, 0, n - m_headerCount);
    LayOutBox();
}

void TUVAboxModel::SetTextWidth(int width)
{
    width = std::max(width, 20);
    if (width == m_state.textWidth)
        return;
    m_state.textWidth = width;
    LayOutBox();
}

int TUVAboxModel::ContentHeight() const
{
    return m_paragraphs.empty() ? 0 : m_paragraphs.back()->bottomY + 1;
}

int TUVAboxModel::FirstTop() const
{
    if (m_paragraphs.empty())
        return 0;
    const int t = m_paragraphs.front()->Style().SpaceAbove();
    if (m_inTable)
        return t + m_state.cellPadding;
    return t == 0 ? 8 : t;
}

int TUVAboxModel::LayOutParagraph(int index, int top)
{
    ++m_layoutCount;
    return ParagraphLayout::LayOut(At(index), top, m_state, m_objects);
}

void TUVAboxModel::LayOutRange(int first, int last, int startY, int oldEndY)
{
    if (first < 0 || last >= Count() || first > last)
        return;
    const int oldWidest = m_state.widestNeeded;
    int y = startY;
    for (int i = first; i <= last; ++i)
        y = LayOutParagraph(i, y);
    const int delta = y - oldEndY;
    if (delta != 0)
        ShiftParagraphs(last + 1, delta);
    if (m_view) {
        if (m_state.widestNeeded != oldWidest || delta != 0)
            m_view->ScrollRangesChanged(HorizontalRange(), ContentHeight());
        m_view->InvalidateBand(startY, y);
    }
}

void TUVAboxModel::Relayout(int first, int last)
{
    if (first < 0 || last >= Count() || first > last)
        return;
    const int start = first == 0 ? FirstTop() : At(first - 1).bottomY + 1;
    const int oldEnd = At(last).bottomY + 1;
    LayOutRange(first, last, start, oldEnd);
}

void TUVAboxModel::ShiftParagraphs(int from, int delta)
{
    if (from >= Count())
        return;
    for (int i = std::max(from, 0); i < Count(); ++i) {
        At(i).topY += delta;
        At(i).bottomY += delta;
    }
    if (m_view) {
        m_view->ParagraphsShifted(from);
        m_view->ScrollRangesChanged(HorizontalRange(), ContentHeight());
        m_view->InvalidateBand(At(std::max(from, 0)).topY - std::max(delta, 0), ContentHeight());
    }
}

void TUVAboxModel::LayOutBox()
{
    m_state.widestNeeded = m_state.textWidth;
    int y = FirstTop();
    for (int i = 0; i < Count(); ++i)
        y = LayOutParagraph(i, y);
    if (m_view) {
        m_view->ScrollRangesChanged(HorizontalRange(), ContentHeight());
        m_view->InvalidateBand(0, ContentHeight());
    }
}

std::vector<int> TUVAboxModel::ParagraphNumbers() const
{
    std::vector<int> numbers(m_paragraphs.size(), 0);
    int counter = 1;
    for (std::size_t i = 0; i < m_paragraphs.size(); ++i) {
        if (m_paragraphs[i]->Style().Numbering() == kNumberingNumbered)
            numbers[i] = counter++;
        else
            counter = 1;
    }
    return numbers;
}

NumberMarker TUVAboxModel::MarkerOf(int index, int number) const
{
    NumberMarker marker;
    const TUVAparag& par = At(index);
    const ParagraphMeasures m = ParagraphMeasures::Of(par, m_state.cellPadding);
    if (m.numbering == kNumberingNumbered) {
        marker.present = true;
        marker.text = std::to_string(number) + ". ";
        const int width = m_metrics.TextWidth(par.Style().EffectiveFont().ToFontSpec(), marker.text);
        marker.x = m.firstIndent < 0 ? m.left + m.firstIndent : m.firstIndent < width ? m.left - width : m.left;
    } else if (m.numbering == kNumberingBullet) {
        marker.present = true;
        marker.bullet = true;
        marker.text = "w";
        marker.x = m.firstIndent < 0 ? m.left + m.firstIndent : m.firstIndent > 9 ? m.left : m.left - 10;
    }
    return marker;
}

int TUVAboxModel::LinkAt(int para, int index) const
{
    if (para < 0 || para >= Count())
        return -1;
    const TUVAparag& par = At(para);
    if (par.Length() == 0)
        return -1;
    const int i = std::clamp(index, 0, par.Length() - 1);
    const EmbeddedObject* obj = par.ObjectAt(i);
    if (obj && obj->kind == kObjectKindTable)
        return -1;
    return par.Records()[static_cast<std::size_t>(i)].link;
}

int TUVAboxModel::LineEnd(int para, int line) const
{
    const TUVAparag& par = At(para);
    const auto& lines = par.Lines();
    if (lines.empty() || line >= static_cast<int>(lines.size()) - 1)
        return par.Length();
    const TUVAline& l = lines[static_cast<std::size_t>(line)];
    return l.start + l.count;
}

int TUVAboxModel::LineOf(int para, int index, int lineHint) const
{
    const auto& lines = At(para).Lines();
    if (lines.empty())
        return 0;
    const int n = static_cast<int>(lines.size());
    if (lineHint >= 0 && lineHint < n) {
        const TUVAline& h = lines[static_cast<std::size_t>(lineHint)];
        if (index >= h.start && index <= LineEnd(para, lineHint))
            return lineHint;
    }
    // Last line starting at or before index.
    int lo = 0;
    int hi = n - 1;
    while (lo < hi) {
        const int mid = (lo + hi + 1) / 2;
        if (lines[static_cast<std::size_t>(mid)].start <= index)
            lo = mid;
        else
            hi = mid - 1;
    }
    return lo;
}

int TUVAboxModel::XOf(int para, int line, int index) const
{
    const TUVAparag& par = At(para);
    const auto& lines = par.Lines();
    if (lines.empty())
        return 0;
    const TUVAline& l = lines[static_cast<std::size_t>(std::clamp(line, 0, static_cast<int>(lines.size()) - 1))];
    int x = l.indentOffset + l.alignOffset;
    const int end = std::min(index, par.Length());
    for (int k = l.start; k < end; ++k)
        x += par.Records()[static_cast<std::size_t>(k)].width;
    return x;
}

int TUVAboxModel::IndexAtX(int para, int line, int x) const
{
    const TUVAparag& par = At(para);
    const auto& lines = par.Lines();
    if (lines.empty())
        return 0;
    const TUVAline& l = lines[static_cast<std::size_t>(line)];
    const int end = LineEnd(para, line);
    int cx = l.indentOffset + l.alignOffset;
    for (int k = l.start; k < end; ++k) {
        if (cx >= x)
            return k;
        cx += par.Records()[static_cast<std::size_t>(k)].width;
    }
    return end;
}

TCaretPos TUVAboxModel::CaretAt(int para, int index, int lineHint) const
{
    TCaretPos pos;
    if (para < 0 || para >= Count())
        return pos;
    const TUVAparag& par = At(para);
    pos.paragraph = para;
    pos.index = std::clamp(index, 0, par.Length());
    pos.line = LineOf(para, pos.index, lineHint);
    const int contentTop = par.topY + par.Style().SpaceAbove();
    if (!par.Lines().empty()) {
        const TUVAline& l = par.Lines()[static_cast<std::size_t>(pos.line)];
        pos.y = contentTop + l.y;
        pos.height = l.height;
    } else {
        pos.y = contentTop;
        pos.height = ParagraphLayout::FallbackLineHeight(par);
    }
    pos.x = XOf(para, pos.line, pos.index);
    pos.rightX = pos.x + (pos.index < par.Length() ? par.Records()[static_cast<std::size_t>(pos.index)].width : 0);
    return pos;
}

TCaretPos TUVAboxModel::HitTest(int x, int y, HitScope scope) const
{
    int first = scope == HitScope::OwnText ? FirstOwn() : 0;
    int last = scope == HitScope::OwnText ? LastOwn() : Count() - 1;
    if (first > last)
        return TCaretPos{};
    // The first paragraph whose bottom is at or below y (the last when none is).
    int lo = first;
    int hi = last;
    while (lo < hi) {
        const int mid = (lo + hi) / 2;
        if (At(mid).bottomY < y)
            lo = mid + 1;
        else
            hi = mid;
    }
    const int para = lo;
    const TUVAparag& par = At(para);
    const auto& lines = par.Lines();
    if (lines.empty())
        return CaretAt(para, 0);
    const int rel = y - (par.topY + par.Style().SpaceAbove());
    int line = 0;
    for (int i = 1; i < static_cast<int>(lines.size()); ++i) {
        if (lines[static_cast<std::size_t>(i)].y <= rel)
            line = i;
        else
            break;
    }
    const TUVAline& l = lines[static_cast<std::size_t>(line)];
    const bool lastLine = line == static_cast<int>(lines.size()) - 1;
    int cx = l.indentOffset + l.alignOffset;
    int index = l.start;
    const int stop = l.start + l.count;
    while (index < stop) {
        const int w = par.Records()[static_cast<std::size_t>(index)].width;
        if (x < cx + w)
            break;
        cx += w;
        ++index;
    }
    if (index == stop && !lastLine && l.count > 0)
        index = stop - 1; // past the end of a wrapped line: its last character
    return CaretAt(para, index, line);
}

} // namespace quor
