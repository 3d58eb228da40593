// TZuTransCustomControl.cpp: transparent control base.
#include "composition/TZuTransCustomControl.h"

namespace quor {

TZuTransCustomControl::TZuTransCustomControl(QWidget* parent) : QWidget(parent)
{
    setAttribute(Qt::WA_NoSystemBackground);
    setAttribute(Qt::WA_ShowWithoutActivating);
    setAutoFillBackground(false);
}

void TZuTransCustomControl::SetBounds(const QRect& bounds)
{
    if (bounds == geometry())
        return;
    if (!m_quietMove || isHidden()) {
        setGeometry(bounds);
        return;
    }
    hide();
    setGeometry(bounds);
    show();
}

QWidget* TZuTransCustomControl::OpaqueAncestor() const
{
    QWidget* w = parentWidget();
    while (w && qobject_cast<TZuTransCustomControl*>(w))
        w = w->parentWidget();
    return w;
}

void TZuTransCustomControl::InvalidateRect(const QRect& rect)
{
    update(rect);
    QWidget* behind = OpaqueAncestor();
    if (behind)
        behind->update(QRect(mapTo(behind, rect.topLeft()), rect.size()));
}

bool TZuTransCustomControl::focusNextPrevChild(bool next)
{
    if (WantsSpecialKeys())
        return false;
    return QWidget::focusNextPrevChild(next);
}

} // namespace quor
