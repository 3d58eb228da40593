// TInvertFeedback.cpp: inverted drag feedback.
#include "composition/TInvertFeedback.h"

#include <QPainter>

namespace quor {

TInvertFeedback::TInvertFeedback(QWidget* host, Shape shape) : TTransNoEventsControl(host), m_shape(shape)
{
    if (host)
        setGeometry(host->rect());
    raise();
}

void TInvertFeedback::SetFeedbackRect(const QRect& rect)
{
    if (rect == m_rect)
        return;
    const QRect old = m_rect;
    m_rect = rect;
    if (parentWidget() && geometry() != parentWidget()->rect())
        setGeometry(parentWidget()->rect());
    raise();
    update(old.adjusted(-1, -1, 1, 1));
    update(m_rect.adjusted(-1, -1, 1, 1));
}

void TInvertFeedback::paintEvent(QPaintEvent*)
{
    if (m_rect.isEmpty())
        return;
    QPainter p(this);
    p.setCompositionMode(QPainter::CompositionMode_Difference);
    switch (m_shape) {
    case Shape::SolidBar:
        p.fillRect(m_rect, Qt::white);
        break;
    case Shape::DottedRect: {
        QPen pen(Qt::white, 1, Qt::DotLine);
        p.setPen(pen);
        p.setBrush(Qt::NoBrush);
        p.drawRect(m_rect.adjusted(0, 0, -1, -1));
        break;
    }
    case Shape::DottedLine: {
        QPen pen(Qt::white, 1, Qt::DotLine);
        p.setPen(pen);
        if (m_rect.width() <= m_rect.height())
            p.drawLine(m_rect.left(), m_rect.top(), m_rect.left(), m_rect.bottom());
        else
            p.drawLine(m_rect.left(), m_rect.top(), m_rect.right(), m_rect.top());
        break;
    }
    }
}

} // namespace quor
