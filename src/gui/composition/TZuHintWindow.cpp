// TZuHintWindow.cpp: framed hint window.
#include "composition/TZuHintWindow.h"

#include <QPainter>

namespace quor {

TZuHintWindow::TZuHintWindow(QWidget* parent)
    : QLabel(parent, Qt::ToolTip | Qt::FramelessWindowHint)
{
    setAttribute(Qt::WA_ShowWithoutActivating);
    setMargin(2);
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor(0xFF, 0xFF, 0xE1));
    pal.setColor(QPalette::WindowText, Qt::black);
    setPalette(pal);
}

void TZuHintWindow::ShowHint(const QString& text, const QPoint& globalPos)
{
    setText(text);
    adjustSize();
    move(globalPos);
    show();
}

void TZuHintWindow::paintEvent(QPaintEvent* event)
{
    QLabel::paintEvent(event);
    QPainter p(this);
    p.setPen(Qt::black);
    p.drawRect(rect().adjusted(0, 0, -1, -1));
}

} // namespace quor
