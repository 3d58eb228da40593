// TNoBgPaintPanel.cpp: caption panel of frames.
#include "composition/TNoBgPaintPanel.h"

#include <QMouseEvent>
#include <QPainter>

namespace quor {

TNoBgPaintPanel::TNoBgPaintPanel(QWidget* parent) : QFrame(parent)
{
    SetTransparent(true);
}

void TNoBgPaintPanel::SetMargin(int margin)
{
    m_margin = std::max(0, margin);
    setContentsMargins(m_margin, m_margin, m_margin, m_margin);
}

void TNoBgPaintPanel::SetTransparent(bool on)
{
    m_transparent = on;
    setAttribute(Qt::WA_NoSystemBackground, on);
    setAutoFillBackground(!on);
    update();
}

void TNoBgPaintPanel::paintEvent(QPaintEvent* event)
{
    if (!m_transparent)
        QFrame::paintEvent(event);
    if (OnPaint) {
        QPainter p(this);
        OnPaint(this, p);
    }
}

void TNoBgPaintPanel::mousePressEvent(QMouseEvent* event)
{
    QFrame::mousePressEvent(event);
    if (event->button() == Qt::LeftButton && OnMyClick)
        OnMyClick(this);
}

} // namespace quor
