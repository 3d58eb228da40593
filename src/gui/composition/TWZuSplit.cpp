// TWZuSplit.cpp: splitter bar.
#include "composition/TWZuSplit.h"

#include "composition/TInvertFeedback.h"

#include <QMouseEvent>

namespace quor {

TWZuSplit::TWZuSplit(QWidget* parent) : QFrame(parent)
{
    resize(3, 100);
    setAutoFillBackground(false); // takes the parent's colour
    UpdateCursor();
}

TWZuSplit::~TWZuSplit()
{
    delete m_line.data();
}

bool TWZuSplit::SetTargetControl(QWidget* target)
{
    if (target && !IsSideAlign(ControlAlign(target))) {
        m_target = nullptr;
        UpdateCursor();
        return false;
    }
    m_target = target;
    if (target)
        SetControlAlign(this, ControlAlign(target));
    UpdateCursor();
    return true;
}

void TWZuSplit::SetSizeable(bool on)
{
    m_sizeable = on;
    UpdateCursor();
}

bool TWZuSplit::IsVertical() const
{
    const TAlign a = m_target ? ControlAlign(m_target) : ControlAlign(this);
    return a == TAlign::alLeft || a == TAlign::alRight;
}

void TWZuSplit::UpdateCursor()
{
    if (!m_sizeable)
        setCursor(Qt::ArrowCursor);
    else
        setCursor(IsVertical() ? Qt::SplitHCursor : Qt::SplitVCursor);
}

int TWZuSplit::TargetSize() const
{
    if (!m_target)
        return 0;
    return IsVertical() ? m_target->width() : m_target->height();
}

int TWZuSplit::ParentSize() const
{
    const QWidget* p = parentWidget();
    if (!p)
        return 0;
    return IsVertical() ? p->width() : p->height();
}

QRect TWZuSplit::LineAt(int offset) const
{
    const QWidget* p = parentWidget();
    if (IsVertical())
        return QRect(x() + offset, 0, width(), p ? p->height() : height());
    return QRect(0, y() + offset, p ? p->width() : width(), height());
}

void TWZuSplit::mousePressEvent(QMouseEvent* event)
{
    event->accept();
    if (event->button() != Qt::LeftButton || event->modifiers() != Qt::NoModifier)
        return;
    if (!m_sizeable || m_locked || !m_target || !parentWidget())
        return;
    // The bar's orientation must match the side its target is docked to.
    if (ControlAlign(this) != ControlAlign(m_target) || !IsSideAlign(ControlAlign(m_target)))
        return;
    if (OnBeginSplit)
        OnBeginSplit(this);
    m_splitting = true;
    m_pressPos = mapToParent(event->position().toPoint());
    m_startSize = TargetSize();
    m_pendingSize = m_startSize;
    m_lineOffset = 0;
    grabMouse();
    m_line = new TInvertFeedback(parentWidget(), TInvertFeedback::Shape::SolidBar);
    m_line->show();
    m_line->SetFeedbackRect(LineAt(0));
}

void TWZuSplit::mouseMoveEvent(QMouseEvent* event)
{
    event->accept();
    if (!m_splitting)
        return;
    if (OnMoveSplit)
        OnMoveSplit(this);
    const QPoint pos = mapToParent(event->position().toPoint());
    const int offset = IsVertical() ? pos.x() - m_pressPos.x() : pos.y() - m_pressPos.y();
    const TAlign a = ControlAlign(m_target);
    const bool grows = a == TAlign::alLeft || a == TAlign::alTop;
    const int size = grows ? m_startSize + offset : m_startSize - offset;
    if (size < m_minTarget || size > ParentSize() - m_maxTarget)
        return;
    m_pendingSize = size;
    m_lineOffset = offset;
    if (m_line)
        m_line->SetFeedbackRect(LineAt(offset));
}

void TWZuSplit::mouseReleaseEvent(QMouseEvent* event)
{
    event->accept();
    if (!m_splitting || event->button() != Qt::LeftButton)
        return;
    if (OnEndingSplit)
        OnEndingSplit(this);
    delete m_line.data();
    releaseMouse();
    m_splitting = false;
    if (m_target) {
        if (IsVertical())
            m_target->resize(m_pendingSize, m_target->height());
        else
            m_target->resize(m_target->width(), m_pendingSize);
        ArrangeAligned(parentWidget());
    }
    if (OnEndSplit)
        OnEndSplit(this);
}

} // namespace quor
