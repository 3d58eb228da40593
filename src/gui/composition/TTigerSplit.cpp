// TTigerSplit.cpp: striped creation bar.
#include "composition/TTigerSplit.h"

#include <QPainter>

namespace quor {

void TTigerSplit::SetLineStep(int step)
{
    if (step <= 0)
        return;
    m_lineStep = step;
    update();
}

std::vector<int> TTigerSplit::StripePositions() const
{
    std::vector<int> out;
    if (!m_tiger)
        return out;
    // Horizontal bars are striped along their width, vertical bars along their height.
    const int length = IsVertical() ? height() : width();
    const int count = length / m_lineStep - 1;
    for (int k = 1; k <= count; ++k)
        out.push_back(k * m_lineStep + m_trucco);
    return out;
}

void TTigerSplit::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    const QPalette& pal = palette();
    const QColor light = pal.color(QPalette::Light);
    const QColor shadow = pal.color(QPalette::Dark);
    const bool vertical = IsVertical();
    for (int at : StripePositions()) {
        if (vertical) {
            p.setPen(light);
            p.drawLine(2, at, width() - 2, at);
            p.setPen(shadow);
            p.drawLine(2, at + 1, width() - 2, at + 1);
        } else {
            p.setPen(light);
            p.drawLine(at, 2, at, height() - 2);
            p.setPen(shadow);
            p.drawLine(at + 1, 2, at + 1, height() - 2);
        }
    }
    if (m_bevel) {
        p.setPen(light);
        p.drawLine(0, 0, width() - 1, 0);
        p.drawLine(0, 0, 0, height() - 1);
        p.setPen(shadow);
        p.drawLine(0, height() - 1, width() - 1, height() - 1);
        p.drawLine(width() - 1, 0, width() - 1, height() - 1);
    }
}

} // namespace quor
