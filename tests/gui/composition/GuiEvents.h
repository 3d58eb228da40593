// GuiEvents.h: synthetic mouse events for window tests. QTest's mouse helpers
// do not carry the held buttons into moves, which drags need.
#pragma once

#include <QApplication>
#include <QMouseEvent>
#include <QWidget>

namespace quor::testing {

inline void SendMouse(QWidget* w, QEvent::Type type, QPoint local, Qt::MouseButton button = Qt::LeftButton,
                      Qt::MouseButtons held = Qt::LeftButton, Qt::KeyboardModifiers mods = Qt::NoModifier)
{
    QMouseEvent e(type, QPointF(local), QPointF(w->mapToGlobal(local)), button, held, mods);
    QApplication::sendEvent(w, &e);
}

inline void Press(QWidget* w, QPoint p, Qt::KeyboardModifiers mods = Qt::NoModifier,
                  Qt::MouseButton button = Qt::LeftButton)
{
    SendMouse(w, QEvent::MouseButtonPress, p, button, button, mods);
}

inline void Move(QWidget* w, QPoint p, Qt::KeyboardModifiers mods = Qt::NoModifier,
                 Qt::MouseButtons held = Qt::LeftButton)
{
    SendMouse(w, QEvent::MouseMove, p, Qt::NoButton, held, mods);
}

inline void Release(QWidget* w, QPoint p, Qt::KeyboardModifiers mods = Qt::NoModifier,
                    Qt::MouseButton button = Qt::LeftButton)
{
    SendMouse(w, QEvent::MouseButtonRelease, p, button, Qt::NoButton, mods);
}

inline void DoubleClick(QWidget* w, QPoint p, Qt::MouseButton button = Qt::LeftButton)
{
    SendMouse(w, QEvent::MouseButtonDblClick, p, button, button, Qt::NoModifier);
}

} // namespace quor::testing
