// TOutlLabel.cpp: outlined label.
#include "composition/TOutlLabel.h"

#include <QPainter>

namespace quor {

QSize TOutlLabel::sizeHint() const
{
    return QLabel::sizeHint() + QSize(2, 2);
}

void TOutlLabel::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setFont(font());
    const QRect r = contentsRect().adjusted(0, 0, -2, -2);
    const int flags = static_cast<int>(alignment()) | (wordWrap() ? Qt::TextWordWrap : 0);
    p.setPen(m_shadow);
    for (int dy = 0; dy <= 2; ++dy)
        for (int dx = 0; dx <= 2; ++dx)
            p.drawText(r.translated(dx, dy), flags, text());
    p.setPen(palette().color(QPalette::WindowText));
    p.drawText(r.translated(1, 1), flags, text());
}

} // namespace quor
