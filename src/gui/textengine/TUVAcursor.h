// TUVAcursor.h: a text box's caret, a 3-pixel-wide bar as high as the line,
// drawn by inverting what lies under it. One shared 500 ms timer blinks the
// caret of the focused box only; a caret that is not blinking stays as it was
// left (shown for the drop marker, hidden for a box without focus).
#pragma once

#include <QObject>
#include <QPointer>
#include <QRect>
#include <QTimer>

#include <functional>

class QPainter;
class QWidget;

namespace quor {

class TUVAcursor : public QObject {
    Q_OBJECT
public:
    static constexpr int kInterval = 500;
    static constexpr int kWidth = 3;

    explicit TUVAcursor(QWidget* owner);
    ~TUVAcursor() override;

    // Where the bar stands: x of the caret, top and height of its line.
    void Place(int x, int top, int height);
    QRect Rect() const { return m_rect; }

    bool Shown() const { return m_shown; }
    bool Blinking() const { return s_blinking == this; }
    // Makes this the blinking caret and shows it solid.
    void Start();
    // Stops blinking and hides the bar.
    void Stop();
    // Shown at once; the blink phase starts again (after typing, a press...).
    void Solid();
    // Shown without blinking (the drop marker).
    void ShowSteady(bool on);

    // Draws the bar by inversion when shown.
    void Paint(QPainter& p) const;

    // Called on every tick of the blinking caret after it toggled.
    std::function<void()> OnTick;

    static QTimer& SharedTimer();
    static TUVAcursor* BlinkingCaret() { return s_blinking; }

private:
    void Toggle();
    void Invalidate();

    QWidget* m_owner;
    QRect m_rect;
    bool m_shown = false;
    static TUVAcursor* s_blinking;
};

} // namespace quor
