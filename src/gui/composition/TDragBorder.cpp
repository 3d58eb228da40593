// TDragBorder.cpp: one selection handle.
#include "composition/TDragBorder.h"

#include "composition/TDragBorderGroup.h"

#include <QMouseEvent>
#include <QPainter>

namespace quor {

TDragBorder::TDragBorder(TDragBorderGroup* group, int position, QWidget* parent)
    : TZuTransCustomControl(parent), m_group(group), m_position(position)
{
    resize(kSize, kSize);
    setFocusPolicy(Qt::NoFocus);
    setCursor(CursorFor(position));
}

void TDragBorder::SetHandleEnabled(bool on)
{
    if (m_enabled == on)
        return;
    m_enabled = on;
    update();
}

QPoint TDragBorder::AnchorPoint(const QRect& b, int position)
{
    const int l = b.left();
    const int t = b.top();
    const int r = b.left() + b.width();
    const int bt = b.top() + b.height();
    const int mx = b.left() + b.width() / 2;
    const int my = b.top() + b.height() / 2;
    switch (position) {
    case kHandleTopLeft: return {l, t};
    case kHandleTopRight: return {r, t};
    case kHandleBottomLeft: return {l, bt};
    case kHandleBottomRight: return {r, bt};
    case kHandleTopMiddle: return {mx, t};
    case kHandleBottomMiddle: return {mx, bt};
    case kHandleMiddleLeft: return {l, my};
    case kHandleMiddleRight: return {r, my};
    default: return {l, t};
    }
}

Qt::CursorShape TDragBorder::CursorFor(int position)
{
    switch (position) {
    case kHandleTopLeft:
    case kHandleBottomRight: return Qt::SizeFDiagCursor;
    case kHandleTopRight:
    case kHandleBottomLeft: return Qt::SizeBDiagCursor;
    case kHandleTopMiddle:
    case kHandleBottomMiddle: return Qt::SizeVerCursor;
    default: return Qt::SizeHorCursor;
    }
}

void TDragBorder::PlaceOn(const QRect& bounds)
{
    const QPoint p = AnchorPoint(bounds, m_position);
    SetBounds(QRect(p.x() - kSize / 2, p.y() - kSize / 2, kSize, kSize));
}

void TDragBorder::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), m_enabled ? Qt::white : QColor(0xC0, 0xC0, 0xC0));
    p.setPen(Qt::black);
    p.drawRect(rect().adjusted(0, 0, -1, -1));
}

void TDragBorder::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && m_group && m_group->HandleMode() == 2)
        m_group->BeginResize(m_position, event->globalPosition().toPoint());
    event->accept();
}

void TDragBorder::mouseMoveEvent(QMouseEvent* event)
{
    if (m_group && m_group->Resizing())
        m_group->MoveResize(event->globalPosition().toPoint(),
                            event->modifiers().testFlag(Qt::ShiftModifier));
    event->accept();
}

void TDragBorder::mouseReleaseEvent(QMouseEvent* event)
{
    if (m_group && m_group->Resizing() && event->button() == Qt::LeftButton)
        m_group->EndResize();
    event->accept();
}

} // namespace quor
