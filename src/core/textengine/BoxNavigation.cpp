// BoxNavigation.cpp: caret moves.
#include "textengine/BoxNavigation.h"

#include <algorithm>

namespace quor {

bool BoxNavigation::IsSeparator(unsigned char c)
{
    return (c >= 0x20 && c <= 0x22) || (c >= 0x27 && c <= 0x2F) || (c >= 0x3A && c <= 0x3F) ||
           (c >= 0x7B && c <= 0x7E) || c == 0x93 || c == 0x94;
}

int BoxNavigation::Blocked(int para, int dir) const
{
    if (!m_box.IsOwn(para))
        return dir;
    if (m_box.At(para).IsTableParagraph())
        return dir + 4;
    return kExitNone;
}

NavResult BoxNavigation::Move(const TCaretPos& from, NavKey key, bool ctrl) const
{
    switch (key) {
    case NavKey::Left:
        return ctrl ? WordLeft(from) : Left(from);
    case NavKey::Right:
        return ctrl ? WordRight(from) : Right(from);
    case NavKey::Up:
        return ctrl ? ParagraphUp(from) : Up(from);
    case NavKey::Down:
        return ctrl ? ParagraphDown(from) : Down(from);
    case NavKey::PageUp:
        return Page(from, false);
    case NavKey::PageDown:
        return Page(from, true);
    case NavKey::Home:
        return ctrl ? TextStart() : Home(from);
    case NavKey::End:
        return ctrl ? TextEnd() : End(from);
    }
    return Stay(from, kExitNone);
}

NavResult BoxNavigation::Left(const TCaretPos& p) const
{
    if (p.index > 0)
        return At(p.paragraph, p.index - 1);
    const int prev = p.paragraph - 1;
    if (const int code = Blocked(prev, kExitLeft))
        return Stay(p, code);
    const int lines = static_cast<int>(m_box.At(prev).Lines().size());
    return At(prev, m_box.At(prev).Length(), lines - 1);
}

NavResult BoxNavigation::Right(const TCaretPos& p) const
{
    if (p.index < m_box.At(p.paragraph).Length())
        return At(p.paragraph, p.index + 1);
    const int next = p.paragraph + 1;
    if (const int code = Blocked(next, kExitRight))
        return Stay(p, code);
    return At(next, 0, 0);
}

NavResult BoxNavigation::Up(const TCaretPos& p) const
{
    if (p.line > 0)
        return At(p.paragraph, m_box.IndexAtX(p.paragraph, p.line - 1, p.x), p.line - 1);
    const int prev = p.paragraph - 1;
    if (const int code = Blocked(prev, kExitUp))
        return Stay(p, code);
    const int line = static_cast<int>(m_box.At(prev).Lines().size()) - 1;
    return At(prev, m_box.IndexAtX(prev, line, p.x), line);
}

NavResult BoxNavigation::Down(const TCaretPos& p) const
{
    if (p.line + 1 < static_cast<int>(m_box.At(p.paragraph).Lines().size()))
        return At(p.paragraph, m_box.IndexAtX(p.paragraph, p.line + 1, p.x), p.line + 1);
    const int next = p.paragraph + 1;
    if (const int code = Blocked(next, kExitDown))
        return Stay(p, code);
    return At(next, m_box.IndexAtX(next, 0, p.x), 0);
}

NavResult BoxNavigation::ParagraphUp(const TCaretPos& p) const
{
    const int prev = p.paragraph - 1;
    if (const int code = Blocked(prev, kExitUp))
        return Stay(p, code);
    return At(prev, 0, 0);
}

NavResult BoxNavigation::ParagraphDown(const TCaretPos& p) const
{
    const int next = p.paragraph + 1;
    if (const int code = Blocked(next, kExitDown))
        return Stay(p, code);
    return At(next, 0, 0);
}

NavResult BoxNavigation::Page(const TCaretPos& p, bool down) const
{
    NavResult r = down ? Down(p) : Up(p);
    if (r.exitCode != kExitNone)
        return r; // not even one line to go: leaves the box like Up / Down
    for (int i = 0; i < 10; ++i) {
        const NavResult next = down ? Down(r.pos) : Up(r.pos);
        if (next.exitCode != kExitNone)
            break; // stop at the first or last line
        r = next;
    }
    return r;
}

NavResult BoxNavigation::Home(const TCaretPos& p) const
{
    const auto& lines = m_box.At(p.paragraph).Lines();
    const int start = lines.empty() ? 0 : lines[static_cast<std::size_t>(p.line)].start;
    return At(p.paragraph, start, p.line);
}

NavResult BoxNavigation::End(const TCaretPos& p) const
{
    return At(p.paragraph, m_box.LineEnd(p.paragraph, p.line), p.line);
}

NavResult BoxNavigation::TextStart() const
{
    return At(m_box.FirstOwn(), 0, 0);
}

NavResult BoxNavigation::TextEnd() const
{
    const int last = m_box.LastOwn();
    return At(last, m_box.At(last).Length(), static_cast<int>(m_box.At(last).Lines().size()) - 1);
}

NavResult BoxNavigation::WordLeft(const TCaretPos& p) const
{
    const std::string& text = m_box.At(p.paragraph).Text();
    auto sep = [&](int i) { return IsSeparator(static_cast<unsigned char>(text[static_cast<std::size_t>(i)])); };
    int i = p.index;
    if (i > 0)
        --i;
    while (i > 0 && sep(i))
        --i;
    // At the paragraph's start (or with only separators before the caret) the
    // move goes on into the previous paragraph; a word that starts the
    // paragraph stops the caret at position 0.
    if (i == 0 && (p.index == 0 || sep(0))) {
        const int prev = p.paragraph - 1;
        if (const int code = Blocked(prev, kExitLeft))
            return Stay(p, code);
        const int lines = static_cast<int>(m_box.At(prev).Lines().size());
        return At(prev, m_box.At(prev).Length(), lines - 1);
    }
    while (i > 0 && !sep(i))
        --i;
    return At(p.paragraph, i == 0 && !sep(0) ? 0 : i + 1);
}

NavResult BoxNavigation::WordRight(const TCaretPos& p) const
{
    const std::string& text = m_box.At(p.paragraph).Text();
    const int n = static_cast<int>(text.size());
    auto sep = [&](int i) { return IsSeparator(static_cast<unsigned char>(text[static_cast<std::size_t>(i)])); };
    int i = p.index;
    while (i < n && sep(i))
        ++i;
    if (i < n)
        ++i;
    if (i == n) {
        const int next = p.paragraph + 1;
        if (const int code = Blocked(next, kExitRight))
            return Stay(p, code);
        return At(next, 0, 0);
    }
    while (i < n && !sep(i))
        ++i;
    while (i < n && sep(i))
        ++i;
    return At(p.paragraph, i);
}

WordBounds BoxNavigation::WordAt(int para, int index) const
{
    WordBounds w;
    if (para < 0 || para >= m_box.Count())
        return w;
    const std::string& text = m_box.At(para).Text();
    const int n = static_cast<int>(text.size());
    auto sep = [&](int i) { return IsSeparator(static_cast<unsigned char>(text[static_cast<std::size_t>(i)])); };
    const int at = std::clamp(index, 0, n);

    int i = at;
    if (i > 0 && !sep(i - 1))
        --i;
    while (i > 0 && i < n && sep(i))
        --i;
    if (i > 0 && i < n) {
        while (i > 0 && !sep(i))
            --i;
        if (sep(i))
            ++i; // the separator before the word stays out
    }
    w.start = m_box.CaretAt(para, i);

    int e = at;
    if (e == n && Blocked(para + 1, kExitRight) == kExitNone) {
        w.end = m_box.CaretAt(para + 1, 0);
        return w;
    }
    while (e < n && !sep(e))
        ++e;
    while (e < n && text[static_cast<std::size_t>(e)] == ' ')
        ++e;
    w.end = m_box.CaretAt(para, e);
    return w;
}

} // namespace quor
