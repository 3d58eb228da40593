// BoxMouse.cpp: mouse logic of a text box.
#include "textengine/BoxMouse.h"

#include <algorithm>
#include <cstdlib>

namespace quor {

namespace {

// A drag or a mouse selection starts once the pointer is this far from the press.
constexpr int kDragThreshold = 4;

constexpr int kLinkKindGeneric = 3;
constexpr int kLinkKindSpecial = 10;

} // namespace

void BoxMouse::SetModes(bool readOnly, bool inactive, bool isTable)
{
    m_readOnly = readOnly;
    m_inactive = inactive;
    m_isTable = isTable;
}

bool BoxMouse::InSelection(const TCaretPos& pos) const
{
    if (!m_editor.HasSelection() || pos.paragraph < 0)
        return false;
    const TCaretPos s = m_editor.SelectionStart();
    const TCaretPos e = m_editor.SelectionEnd();
    return !pos.Before(s) && pos.Before(e);
}

BoxMouseResult BoxMouse::Press(int x, int y, BoxMouseButton button)
{
    BoxMouseResult res;
    const TUVAboxModel& box = m_editor.Box();
    if (box.Count() == 0 || m_editor.Changing())
        return res;
    const TCaretPos pos = box.HitTest(x, y, HitScope::OwnText);
    m_pressed = true;
    m_notMoved = true;
    m_selecting = false;
    m_dragArmed = false;
    m_dragging = false;
    m_doubleClick = false;
    m_button = button;
    m_pressX = x;
    m_pressY = y;
    m_pressPos = pos;

    if (EditMode() && InSelection(pos)) {
        m_dragArmed = true; // any button: a drag of the selection may follow
        return res;
    }
    res.reportClick = m_readOnly;
    if (button == BoxMouseButton::Right)
        return res; // the selection stays for the context menu
    const TCaretPos full = box.HitTest(x, y, HitScope::Full);
    const bool fixed = EditMode() && (!box.IsOwn(full.paragraph) || m_inactive);
    if (!fixed)
        m_editor.SetCaret(pos.paragraph, pos.index, pos.line);
    return res;
}

void BoxMouse::DoubleClickPress(int x, int y, BoxMouseButton button)
{
    if (m_editor.Changing())
        return;
    m_pressed = true;
    m_notMoved = true;
    m_selecting = false;
    m_dragArmed = false;
    m_doubleClick = true;
    m_button = button;
    m_pressX = x;
    m_pressY = y;
}

BoxMouseResult BoxMouse::Move(int x, int y)
{
    BoxMouseResult res;
    const TUVAboxModel& box = m_editor.Box();
    if (!m_pressed || m_doubleClick || m_dragging || m_editor.Changing() || box.Count() == 0)
        return res;
    if (m_notMoved) {
        if (std::abs(x - m_pressX) <= kDragThreshold && std::abs(y - m_pressY) <= kDragThreshold)
            return res;
        m_notMoved = false;
        if (m_dragArmed) {
            m_dragArmed = false;
            m_dragging = true;
            res.action = BoxMouseAction::StartDrag;
            return res;
        }
        if (Frozen())
            return res;
        const TCaretPos hit = box.HitTest(x, y, HitScope::OwnText);
        m_anchor = m_pressPos;
        // Dragging on to a later character index (whatever the paragraph)
        // anchors after the pressed character.
        if (hit.index > m_pressPos.index && m_anchor.paragraph >= 0)
            m_anchor.index = std::min(m_anchor.index + 1, box.At(m_anchor.paragraph).Length());
        m_selecting = true;
        m_editor.EndRuns();
        m_editor.Select(m_anchor.paragraph, m_anchor.index, hit.paragraph, hit.index, SelectionOrigin::Mouse);
        m_editor.NotifySelectionChanged();
        res.rememberBox = m_readOnly;
        return res;
    }
    if (m_selecting) {
        const TCaretPos hit = box.HitTest(x, y, HitScope::OwnText);
        m_editor.Select(m_anchor.paragraph, m_anchor.index, hit.paragraph, hit.index, SelectionOrigin::Mouse);
    }
    return res;
}

BoxMouseResult BoxMouse::Release(int x, int y, BoxMouseButton button)
{
    BoxMouseResult res;
    const bool wasPressed = m_pressed;
    m_pressed = false;
    const TUVAboxModel& box = m_editor.Box();
    if (!wasPressed || m_dragging || m_editor.Changing() || box.Count() == 0) {
        m_doubleClick = false;
        return res;
    }
    if (m_doubleClick) {
        m_doubleClick = false;
        return DoubleClickRelease(x, y);
    }
    const bool plainClick = m_notMoved && !m_selecting;
    m_selecting = false;
    m_dragArmed = false;

    if (plainClick && EditMode() && !m_inactive && button != BoxMouseButton::Right) {
        const TCaretPos full = box.HitTest(x, y, HitScope::Full);
        if (box.IsOwn(full.paragraph)) {
            const TCaretPos pos = box.HitTest(x, y, HitScope::OwnText);
            m_editor.SetCaret(pos.paragraph, pos.index, pos.line); // the selection goes
        }
    } else if (plainClick) {
        res = ContextRelease(x, y);
        if (res.action == BoxMouseAction::FollowLink || res.action == BoxMouseAction::PopupGenLink ||
            res.action == BoxMouseAction::PopupSpecLink)
            return res;
    }

    m_editor.EndRuns();
    if (!Frozen())
        m_editor.NotifySelectionChanged();
    res.rememberBox = m_readOnly;
    return res;
}

BoxMouseResult BoxMouse::DoubleClickRelease(int x, int y)
{
    BoxMouseResult res;
    const TUVAboxModel& box = m_editor.Box();
    const TCaretPos pos = box.HitTest(x, y, HitScope::OwnText);
    const int link = box.LinkAt(pos.paragraph, pos.index);
    if (link != -1 && !m_editor.HasSelection()) {
        m_editor.ClearSelection();
        res.action = BoxMouseAction::FollowLink;
        res.link = link;
        return res;
    }
    if (m_inactive)
        return res;
    m_editor.SelectWord(pos.paragraph, pos.index);
    return res;
}

BoxMouseResult BoxMouse::ContextRelease(int x, int y)
{
    BoxMouseResult res;
    const TUVAboxModel& box = m_editor.Box();
    const TCaretPos full = box.HitTest(x, y, HitScope::Full);
    const int link = m_editor.HasSelection() ? -1 : box.LinkAt(full.paragraph, full.index);
    if (link != -1) {
        const int kind = m_linkKinds ? m_linkKinds(link) : -1;
        res.link = link;
        if (m_readOnly || (kind != kLinkKindGeneric && kind != kLinkKindSpecial)) {
            m_editor.ClearSelection();
            res.action = BoxMouseAction::FollowLink;
        } else {
            res.action = kind == kLinkKindGeneric ? BoxMouseAction::PopupGenLink : BoxMouseAction::PopupSpecLink;
        }
        return res;
    }
    res.reportClick = m_readOnly;
    if (m_isTable || full.paragraph < 0)
        return res; // a table shows no context menu of its own
    const TUVAparag& par = box.At(full.paragraph);
    const auto at = static_cast<std::size_t>(full.index);
    if (full.index < par.Length() && at < par.spellMarks.size() && par.spellMarks[at] == '!')
        res.action = BoxMouseAction::PopupSpelling;
    else if (!box.IsOwn(full.paragraph) || Frozen())
        res.action = BoxMouseAction::PopupInactive;
    else
        res.action = BoxMouseAction::PopupOwn;
    return res;
}

BoxHover BoxMouse::Hover(int x, int y) const
{
    BoxHover h;
    const TUVAboxModel& box = m_editor.Box();
    if (box.Count() == 0)
        return h;
    const TCaretPos full = box.HitTest(x, y, HitScope::Full);
    const bool own = box.IsOwn(full.paragraph);
    h.link = box.LinkAt(full.paragraph, full.index);
    if (h.link != -1)
        h.cursor = m_readOnly || !own ? BoxCursor::LinkBrowse : BoxCursor::Link;
    else if (EditMode() && InSelection(full))
        h.cursor = BoxCursor::Drag;
    else if (m_readOnly || !own)
        h.cursor = BoxCursor::Arrow;
    else
        h.cursor = BoxCursor::Text;
    return h;
}

} // namespace quor
