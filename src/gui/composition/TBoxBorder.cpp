// TBoxBorder.cpp: one side of a selection outline.
#include "composition/TBoxBorder.h"

#include <QPainter>

namespace quor {

TBoxBorder::TBoxBorder(int side, QWidget* parent) : TTransNoEventsControl(parent), m_side(side) {}

void TBoxBorder::PlaceOn(const QRect& b)
{
    const int w = std::max(1, b.width());
    const int h = std::max(1, b.height());
    switch (m_side) {
    case 1: SetBounds(QRect(b.left() - 1, b.top() - 1, 1, h + 2)); break;
    case 2: SetBounds(QRect(b.left() - 1, b.top() - 1, w + 2, 1)); break;
    case 3: SetBounds(QRect(b.left() + w, b.top() - 1, 1, h + 2)); break;
    default: SetBounds(QRect(b.left() - 1, b.top() + h, w + 2, 1)); break;
    }
}

void TBoxBorder::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), Qt::white);
    p.setPen(QPen(Qt::black, 1, Qt::DotLine));
    if (width() <= height())
        p.drawLine(0, 0, 0, height() - 1);
    else
        p.drawLine(0, 0, width() - 1, 0);
}

} // namespace quor
