// ParagraphLayout.cpp: line breaking. Words are never split: a word wider than
// the line overflows it and widens the box's needed width instead.
#include "textengine/ParagraphLayout.h"

#include <algorithm>

namespace quor {

ParagraphMeasures ParagraphMeasures::Of(const TUVAparag& par, int cellPadding)
{
    const TUVAParaStyle& s = par.Style();
    ParagraphMeasures m;
    m.left = s.LeftIndent() + cellPadding;
    m.right = s.RightIndent() + cellPadding;
    m.firstIndent = s.FirstIndent();
    m.numbering = s.Numbering();
    m.effectiveFirst = (m.numbering != 0 && m.firstIndent < 0) ? 0 : m.firstIndent;
    m.spaceAbove = s.SpaceAbove();
    m.spaceBelow = s.SpaceBelow();
    m.lineHeight = s.LineHeight();
    m.alignment = s.Alignment();
    return m;
}

int ParagraphLayout::ObjectAscent(int alignCode, int height)
{
    if (alignCode == 3)
        return 0;
    if (alignCode == 4)
        return height / 2;
    return height;
}

int ParagraphLayout::FallbackLineHeight(const TUVAparag& par)
{
    return par.defaultLineHeight > 0 ? par.defaultLineHeight : 20;
}

namespace {

constexpr int kFormInputKind = 20;
constexpr int kFormButtonKind = 22;

// The line being filled and the state of the break search.
class LineBuilder {
public:
    LineBuilder(TUVAparag& par, const ParagraphMeasures& m, BoxLayoutState& box)
        : m_par(par), m_recs(par.Records()), m_text(par.Text()), m_m(m), m_box(box)
    {
    }

    void Begin(int start, int indent, int available, int y)
    {
        m_line = TUVAline{};
        m_line.paragraph = &m_par;
        m_line.start = start;
        m_line.indentOffset = indent;
        m_line.y = y;
        m_available = available;
        m_remaining = available;
        m_break = -1;
        m_remainingAtBreak = 0;
        m_ascentSinceBreak = 0;
    }

    // Adds character i whatever its width.
    void Add(int i)
    {
        const TCharRec& r = m_recs[static_cast<std::size_t>(i)];
        SetRemaining(m_remaining - r.width);
        m_line.ascent = std::max(m_line.ascent, r.ascent);
        m_ascentSinceBreak = std::max(m_ascentSinceBreak, r.ascent);
        ++m_line.count;
        if (m_text[static_cast<std::size_t>(i)] == ' ') {
            m_break = i + 1;
            m_remainingAtBreak = m_remaining;
            m_ascentSinceBreak = 0;
        }
    }

    void SetRemaining(int remaining)
    {
        m_remaining = remaining;
        if (m_remaining < 0)
            m_box.widestNeeded = std::max(m_box.widestNeeded, m_box.textWidth - m_remaining);
    }

    // Closes the line with the given remaining width (negative counts as 0) and
    // returns the y of the line after it.
    int Finish(int remaining)
    {
        remaining = std::max(remaining, 0);
        int ascent = 0;
        int descent = 0;
        for (int i = m_line.start; i < m_line.start + m_line.count; ++i) {
            const TCharRec& r = m_recs[static_cast<std::size_t>(i)];
            ascent = std::max(ascent, r.ascent);
            descent = std::max(descent, r.height - r.ascent);
        }
        m_line.ascent = std::max(m_line.ascent, ascent);
        int height = m_line.count > 0 ? m_line.ascent + descent : 0;
        if (height <= 0)
            height = ParagraphLayout::FallbackLineHeight(m_par);
        if (m_m.lineHeight > 0)
            height = m_m.lineHeight;
        m_line.height = height;
        m_line.alignOffset = m_m.alignment == 1 ? remaining : m_m.alignment == 2 ? remaining / 2 : 0;
        m_line.usedWidth = m_available - remaining;
        m_lines.push_back(m_line);
        return m_line.y + height;
    }

    TUVAline& Line() { return m_line; }
    int Remaining() const { return m_remaining; }
    int Break() const { return m_break; }
    void SetBreak(int at)
    {
        m_break = at;
        m_remainingAtBreak = m_remaining;
        m_ascentSinceBreak = 0;
    }
    int RemainingAtBreak() const { return m_remainingAtBreak; }
    int AscentSinceBreak() const { return m_ascentSinceBreak; }
    std::vector<TUVAline>& Lines() { return m_lines; }

private:
    TUVAparag& m_par;
    std::vector<TCharRec>& m_recs;
    const std::string& m_text;
    const ParagraphMeasures& m_m;
    BoxLayoutState& m_box;
    std::vector<TUVAline> m_lines;
    TUVAline m_line;
    int m_available = 0;
    int m_remaining = 0;
    int m_break = -1;
    int m_remainingAtBreak = 0;
    int m_ascentSinceBreak = 0;
};

void FitObject(TUVAparag& par, int i, int available, IObjectLayout* objects)
{
    TCharRec& r = par.Records()[static_cast<std::size_t>(i)];
    const EmbeddedObject* obj = par.ObjectAt(i);
    if (!obj)
        return;
    if (!objects) {
        r.ascent = ParagraphLayout::ObjectAscent(4, r.height);
        return;
    }
    const ObjectMeasure m = objects->FitObject(*obj, available);
    if (m.hidden) {
        r.width = 0;
        r.height = 10;
    } else {
        r.width = m.width;
        r.height = m.height;
        if (obj->kind >= kFormInputKind && obj->kind <= kFormButtonKind)
            r.height += 2;
    }
    const int code = obj->kind == kObjectKindPicturePlacement ? m.alignCode : 4;
    r.ascent = ParagraphLayout::ObjectAscent(code, r.height);
}

} // namespace

int ParagraphLayout::LayOut(TUVAparag& par, int top, BoxLayoutState& box, IObjectLayout* objects)
{
    const ParagraphMeasures m = ParagraphMeasures::Of(par, box.cellPadding);
    par.topY = top;
    par.bottomY = top;
    par.layoutWidth = box.textWidth;
    const int firstAvailable = box.textWidth - m.left - m.right - m.effectiveFirst;
    const int restAvailable = box.textWidth - m.left - m.right;

    LineBuilder b(par, m, box);
    b.Begin(0, m.left + m.effectiveFirst, firstAvailable, 0);
    int available = firstAvailable;
    const int n = par.Length();
    const std::string& text = par.Text();
    const auto& recs = par.Records();
    for (int i = 0; i < n; ++i) {
        if (recs[static_cast<std::size_t>(i)].object >= 0)
            FitObject(par, i, available, objects);
        const int w = recs[static_cast<std::size_t>(i)].width;
        if (b.Remaining() - w > 0) {
            b.Add(i);
            continue;
        }
        if (b.Line().count > 0) {
            if (b.Break() < 0 && text[static_cast<std::size_t>(i - 1)] == ' ')
                b.SetBreak(i);
            if (b.Break() < 0) {
                b.Add(i); // the line overflows: words are never split
                continue;
            }
            const int breakAt = b.Break();
            const int carriedAscent = b.AscentSinceBreak();
            b.Line().count = breakAt - b.Line().start;
            const int y = b.Finish(b.RemainingAtBreak());
            available = restAvailable;
            b.Begin(breakAt, m.left, available, y);
            int remaining = available;
            for (int k = breakAt; k < i; ++k)
                remaining -= recs[static_cast<std::size_t>(k)].width;
            b.SetRemaining(remaining);
            b.Line().count = i - breakAt;
            b.Line().ascent = carriedAscent;
            b.Add(i);
            continue;
        }
        // Alone on an empty line: the character overflows it.
        b.Add(i);
        b.SetRemaining(0);
        if (i < n - 1) {
            const int y = b.Finish(0);
            available = restAvailable;
            b.Begin(i + 1, m.left, available, y);
        }
    }
    b.Finish(b.Remaining());

    std::vector<TUVAline>& lines = b.Lines();
    const TUVAline& last = lines.back();
    const int next = top + m.spaceAbove + last.y + last.height + m.spaceBelow;
    par.bottomY = next - 1;
    par.Lines() = std::move(lines);
    return next;
}

} // namespace quor
