// TZuMarker.cpp: ruler marker.
#include "composition/TZuMarker.h"

#include <QPainter>
#include <QPolygon>

#include <algorithm>

namespace quor {

int TZuMarker::ShownPosition() const
{
    if (m_max < m_min)
        return m_min;
    return std::clamp(m_position, m_min, m_max);
}

void TZuMarker::SetLimits(int minimum, int maximum)
{
    m_min = minimum;
    m_max = std::max(minimum, maximum);
}

void TZuMarker::SetMayPass(bool belowMinimum, bool aboveMaximum)
{
    m_passMin = belowMinimum;
    m_passMax = aboveMaximum;
}

void TZuMarker::DragTo(int pos)
{
    if (pos < m_min && !m_passMin)
        pos = m_min;
    if (pos > m_max && !m_passMax)
        pos = m_max;
    m_position = pos;
}

void TZuMarker::BringInRange()
{
    m_position = ShownPosition();
}

QRect TZuMarker::Bounds(int windowStart, int top) const
{
    const int h = m_shape == 2 ? 6 : kHeight;
    return QRect(windowStart + ShownPosition() - kWidth / 2, top, kWidth, h);
}

void TZuMarker::Paint(QPainter& p, int windowStart, int top) const
{
    if (!m_visible)
        return;
    const QRect b = Bounds(windowStart, top);
    QColor fill = Qt::white;
    if (OutOfRange())
        fill = Qt::black;
    if (m_disabled)
        fill = QColor(0xC0, 0xC0, 0xC0);
    const QColor edge = m_disabled ? QColor(0x80, 0x80, 0x80) : QColor(Qt::black);
    p.setPen(edge);
    p.setBrush(fill);
    const int l = b.left();
    const int r = b.left() + kWidth - 1;
    const int mid = b.left() + kWidth / 2;
    switch (m_shape) {
    case 0: { // pointing down: a house upside down
        QPolygon poly{{l, b.top()}, {r, b.top()}, {r, b.top() + 3}, {mid, b.top() + kHeight - 1},
                      {l, b.top() + 3}};
        p.drawPolygon(poly);
        break;
    }
    case 1: {
        QPolygon poly{{mid, b.top()}, {r, b.top() + 4}, {r, b.top() + kHeight - 1},
                      {l, b.top() + kHeight - 1}, {l, b.top() + 4}};
        p.drawPolygon(poly);
        break;
    }
    default:
        p.drawRect(QRect(l, b.top(), kWidth - 1, 5));
        break;
    }
}

} // namespace quor
