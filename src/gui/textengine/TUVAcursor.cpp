// TUVAcursor.cpp: blinking caret.
#include "textengine/TUVAcursor.h"

#include <QCoreApplication>
#include <QPainter>
#include <QWidget>

namespace quor {

TUVAcursor* TUVAcursor::s_blinking = nullptr;

QTimer& TUVAcursor::SharedTimer()
{
    static QTimer* timer = [] {
        auto* t = new QTimer(qApp);
        t->setInterval(kInterval);
        QObject::connect(t, &QTimer::timeout, [] {
            if (s_blinking)
                s_blinking->Toggle();
        });
        return t;
    }();
    return *timer;
}

TUVAcursor::TUVAcursor(QWidget* owner) : QObject(owner), m_owner(owner) {}

TUVAcursor::~TUVAcursor()
{
    if (s_blinking == this) {
        s_blinking = nullptr;
        SharedTimer().stop();
    }
}

void TUVAcursor::Invalidate()
{
    if (m_owner && !m_rect.isEmpty())
        m_owner->update(m_rect);
}

void TUVAcursor::Place(int x, int top, int height)
{
    const QRect r(x, top, kWidth, std::max(height, 1));
    if (r == m_rect)
        return;
    Invalidate();
    m_rect = r;
    Invalidate();
}

void TUVAcursor::Start()
{
    if (s_blinking && s_blinking != this)
        s_blinking->Stop();
    s_blinking = this;
    Solid();
}

void TUVAcursor::Stop()
{
    if (s_blinking == this) {
        s_blinking = nullptr;
        SharedTimer().stop();
    }
    if (m_shown) {
        m_shown = false;
        Invalidate();
    }
}

void TUVAcursor::Solid()
{
    if (!m_shown) {
        m_shown = true;
        Invalidate();
    }
    if (s_blinking == this)
        SharedTimer().start(); // restarts the phase
}

void TUVAcursor::ShowSteady(bool on)
{
    if (m_shown == on)
        return;
    m_shown = on;
    Invalidate();
}

void TUVAcursor::Toggle()
{
    m_shown = !m_shown;
    Invalidate();
    if (OnTick)
        OnTick();
}

void TUVAcursor::Paint(QPainter& p) const
{
    if (!m_shown || m_rect.isEmpty())
        return;
    p.save();
    p.setCompositionMode(QPainter::CompositionMode_Difference);
    p.fillRect(m_rect, Qt::white);
    p.restore();
}

} // namespace quor
