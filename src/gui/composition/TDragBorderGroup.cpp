// TDragBorderGroup.cpp: handles and outline of one target.
#include "composition/TDragBorderGroup.h"

#include "composition/TBoxBorder.h"
#include "composition/TDragBorder.h"
#include "composition/TInvertFeedback.h"

#include <QWidget>

#include <cstdlib>

namespace quor {

TDragBorderGroup::TDragBorderGroup(QWidget* target) : QObject(target), m_target(target)
{
    if (target)
        m_bounds = target->geometry();
}

TDragBorderGroup::~TDragBorderGroup()
{
    // The handles belong to the target's parent; they go with the group.
    for (auto& h : m_handles)
        delete h.data();
    for (auto& s : m_sides)
        delete s.data();
    delete m_feedback.data();
}

void TDragBorderGroup::EnsureControls()
{
    QWidget* parent = m_target ? m_target->parentWidget() : nullptr;
    if (!parent)
        return;
    if (m_controlsParent != parent) {
        for (int i = 0; i < 8; ++i) {
            if (!m_handles[i])
                m_handles[i] = new TDragBorder(this, i + 1, parent);
            else
                m_handles[i]->setParent(parent);
            m_handles[i]->hide();
        }
        for (int i = 0; i < 4; ++i) {
            if (!m_sides[i])
                m_sides[i] = new TBoxBorder(i + 1, parent);
            else
                m_sides[i]->setParent(parent);
            m_sides[i]->hide();
        }
        m_controlsParent = parent;
    }
}

bool TDragBorderGroup::HandlesVisible() const
{
    return (m_selected || m_active) && !m_resizing;
}

bool TDragBorderGroup::OutlineVisible() const
{
    return (m_outlined || m_selected) && !m_resizing;
}

TDragBorder* TDragBorderGroup::Handle(int position) const
{
    if (position < 1 || position > 8)
        return nullptr;
    return m_handles[position - 1];
}

TBoxBorder* TDragBorderGroup::Side(int side) const
{
    if (side < 1 || side > 4)
        return nullptr;
    return m_sides[side - 1];
}

void TDragBorderGroup::UpdateVisibility()
{
    const bool handles = HandlesVisible();
    const bool outline = OutlineVisible();
    if (handles || outline)
        EnsureControls();
    for (auto& h : m_handles) {
        if (!h)
            continue;
        h->SetHandleEnabled(m_selected);
        if (handles) {
            h->PlaceOn(m_bounds);
            h->show();
            h->raise();
        } else {
            h->hide();
        }
    }
    for (auto& s : m_sides) {
        if (!s)
            continue;
        if (outline) {
            s->PlaceOn(m_bounds);
            s->show();
            s->raise();
        } else {
            s->hide();
        }
    }
}

void TDragBorderGroup::Select(bool on)
{
    m_selected = on;
    UpdateVisibility();
}

void TDragBorderGroup::Activate(bool on)
{
    m_active = on;
    UpdateVisibility();
}

void TDragBorderGroup::Outline(bool on)
{
    m_outlined = on;
    UpdateVisibility();
}

void TDragBorderGroup::SetBounds(const QRect& bounds)
{
    m_bounds = bounds;
    if (HandlesVisible() || OutlineVisible())
        UpdateVisibility();
}

void TDragBorderGroup::BringToFront()
{
    if (m_target)
        m_target->raise();
    for (auto& s : m_sides)
        if (s)
            s->raise();
    for (auto& h : m_handles)
        if (h)
            h->raise();
}

void TDragBorderGroup::SendToBack()
{
    // Lower the marks first, then the target, so the marks stay just above it.
    for (auto& h : m_handles)
        if (h)
            h->lower();
    for (auto& s : m_sides)
        if (s)
            s->lower();
    if (m_target)
        m_target->lower();
}

QRect TDragBorderGroup::ResizedBounds(const QRect& start, int handle, QPoint offset, bool shift)
{
    int dx = offset.x();
    int dy = offset.y();
    const bool corner = handle >= kHandleTopLeft && handle <= kHandleBottomRight;
    if (shift && corner) {
        const int d = std::min(dx, dy);
        dx = d;
        dy = d;
    }
    int l = start.left();
    int t = start.top();
    int r = start.left() + start.width();
    int b = start.top() + start.height();
    switch (handle) {
    case kHandleTopLeft: l += dx; t += dy; break;
    case kHandleTopRight: r += dx; t += dy; break;
    case kHandleBottomLeft: l += dx; b += dy; break;
    case kHandleBottomRight: r += dx; b += dy; break;
    case kHandleTopMiddle: t += dy; break;
    case kHandleBottomMiddle: b += dy; break;
    case kHandleMiddleLeft: l += dx; break;
    case kHandleMiddleRight: r += dx; break;
    default: break;
    }
    // A side dragged across its opposite gives an empty box, never a negative one.
    return QRect(QPoint(std::min(l, r), std::min(t, b)), QSize(std::abs(r - l), std::abs(b - t)));
}

void TDragBorderGroup::BeginResize(int handle, const QPoint& pressGlobal)
{
    if (m_resizing || m_mode != 2 || !m_target)
        return;
    m_startBounds = m_target->geometry();
    m_resizeBounds = m_startBounds;
    m_pressGlobal = pressGlobal;
    m_resizeHandle = handle;
    m_resizing = true;
    UpdateVisibility();
    if (OnBeforeResize)
        OnBeforeResize();
    QWidget* host = m_target->parentWidget();
    if (host) {
        m_feedback = new TInvertFeedback(host, TInvertFeedback::Shape::DottedRect);
        m_feedback->show();
        m_feedback->SetFeedbackRect(m_resizeBounds);
    }
}

void TDragBorderGroup::MoveResize(const QPoint& global, bool shift)
{
    if (!m_resizing)
        return;
    m_resizeBounds = ResizedBounds(m_startBounds, m_resizeHandle, global - m_pressGlobal, shift);
    if (m_feedback)
        m_feedback->SetFeedbackRect(m_resizeBounds);
}

void TDragBorderGroup::EndResize()
{
    if (!m_resizing)
        return;
    delete m_feedback.data();
    m_resizing = false;
    if (m_target)
        m_target->setGeometry(m_resizeBounds);
    m_bounds = m_resizeBounds;
    UpdateVisibility();
    if (OnAfterResize)
        OnAfterResize();
}

} // namespace quor
