// TDragBorder.h: one selection handle, an 8 x 8 square with a black frame
// (white when enabled, silver when not), centred on one of eight points of
// its target's bounds. In handle mode 2 pressing and dragging it resizes the target.
#pragma once

#include "composition/TZuTransCustomControl.h"

namespace quor {

class TDragBorderGroup;

// Handle positions around the target's bounds.
enum DragBorderPos : int {
    kHandleTopLeft = 1,
    kHandleTopRight = 2,
    kHandleBottomLeft = 3,
    kHandleBottomRight = 4,
    kHandleTopMiddle = 5,
    kHandleBottomMiddle = 6,
    kHandleMiddleLeft = 7,
    kHandleMiddleRight = 8,
};

class TDragBorder : public TZuTransCustomControl {
    Q_OBJECT
public:
    static constexpr int kSize = 8;

    TDragBorder(TDragBorderGroup* group, int position, QWidget* parent);

    int Position() const { return m_position; }
    bool HandleEnabled() const { return m_enabled; }
    void SetHandleEnabled(bool on);
    // Centres the handle on its point of `bounds` (parent coordinates).
    void PlaceOn(const QRect& bounds);
    // The point of `bounds` the handle at `position` stands for.
    static QPoint AnchorPoint(const QRect& bounds, int position);
    static Qt::CursorShape CursorFor(int position);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    TDragBorderGroup* m_group;
    int m_position;
    bool m_enabled = true;
};

} // namespace quor
