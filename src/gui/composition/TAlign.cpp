// TAlign.cpp: side alignment of child controls.
#include "composition/TAlign.h"

#include <QVariant>
#include <QWidget>

namespace quor {

namespace {
constexpr const char* kAlignProperty = "quorAlign";
}

void SetControlAlign(QWidget* control, TAlign align)
{
    if (control)
        control->setProperty(kAlignProperty, static_cast<int>(align));
}

TAlign ControlAlign(const QWidget* control)
{
    if (!control)
        return TAlign::alNone;
    const QVariant v = control->property(kAlignProperty);
    if (!v.isValid())
        return TAlign::alNone;
    const int a = v.toInt();
    if (a < static_cast<int>(TAlign::alNone) || a > static_cast<int>(TAlign::alClient))
        return TAlign::alNone;
    return static_cast<TAlign>(a);
}

void ArrangeAligned(QWidget* parent)
{
    if (!parent)
        return;
    QRect free = parent->contentsRect();
    const auto children = parent->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    // Sides first (in child order), then client children in what remains.
    for (QWidget* w : children) {
        if (w->isHidden() || w->isWindow())
            continue;
        switch (ControlAlign(w)) {
        case TAlign::alTop: {
            const int h = std::min(w->height(), std::max(0, free.height()));
            w->setGeometry(free.left(), free.top(), free.width(), h);
            free.setTop(free.top() + h);
            break;
        }
        case TAlign::alBottom: {
            const int h = std::min(w->height(), std::max(0, free.height()));
            w->setGeometry(free.left(), free.bottom() + 1 - h, free.width(), h);
            free.setBottom(free.bottom() - h);
            break;
        }
        case TAlign::alLeft: {
            const int wd = std::min(w->width(), std::max(0, free.width()));
            w->setGeometry(free.left(), free.top(), wd, free.height());
            free.setLeft(free.left() + wd);
            break;
        }
        case TAlign::alRight: {
            const int wd = std::min(w->width(), std::max(0, free.width()));
            w->setGeometry(free.right() + 1 - wd, free.top(), wd, free.height());
            free.setRight(free.right() - wd);
            break;
        }
        default:
            break;
        }
    }
    for (QWidget* w : children) {
        if (!w->isHidden() && !w->isWindow() && ControlAlign(w) == TAlign::alClient)
            w->setGeometry(free.normalized());
    }
}

} // namespace quor
