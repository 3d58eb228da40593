// TZuMarker.h: one indent marker of the ruler, an 11 x 8 windowless shape
// (0 pointing down, 1 pointing up, 2 a 6-pixel-high box) at a pixel position
// within the ruler window. A marker stops at its minimum and maximum unless it
// may pass that limit; then it is drawn out of range (filled black) at the limit.
#pragma once

#include <QRect>

class QPainter;

namespace quor {

class TZuMarker {
public:
    static constexpr int kWidth = 11;
    static constexpr int kHeight = 8;

    TZuMarker() = default;
    explicit TZuMarker(int shape) : m_shape(shape) {}

    int Shape() const { return m_shape; }
    // Position the marker stands for (may lie beyond a limit it may pass).
    int Position() const { return m_position; }
    // Where it is drawn: the position, clamped to the limits.
    int ShownPosition() const;
    int Minimum() const { return m_min; }
    int Maximum() const { return m_max; }
    void SetLimits(int minimum, int maximum);
    bool MayPassMinimum() const { return m_passMin; }
    bool MayPassMaximum() const { return m_passMax; }
    void SetMayPass(bool belowMinimum, bool aboveMaximum);
    bool Disabled() const { return m_disabled; }
    void SetDisabled(bool on) { m_disabled = on; }
    bool Visible() const { return m_visible; }
    void SetVisible(bool on) { m_visible = on; }

    // Sets the position as given (a value set from outside).
    void SetPosition(int pos) { m_position = pos; }
    // Moves by dragging: stops at a limit it may not pass.
    void DragTo(int pos);
    // Beyond a limit it may pass.
    bool OutOfRange() const { return m_position < m_min || m_position > m_max; }
    // Brings the position back within the limits.
    void BringInRange();

    // Bounds on the ruler when its window starts at `windowStart` and the
    // marker's top is at `top`; the marker is centred on its position.
    QRect Bounds(int windowStart, int top) const;
    void Paint(QPainter& p, int windowStart, int top) const;

private:
    int m_shape = 0;
    int m_position = 0;
    int m_min = 0;
    int m_max = 0;
    bool m_passMin = false;
    bool m_passMax = false;
    bool m_disabled = false;
    bool m_visible = true;
};

} // namespace quor
