// TBoxBorder.h: one side of a selection outline (1 left, 2 top, 3 right,
// 4 bottom): a one-pixel line drawn white, then black dotted over it.
#pragma once

#include "composition/TTransNoEventsControl.h"

namespace quor {

class TBoxBorder : public TTransNoEventsControl {
    Q_OBJECT
public:
    TBoxBorder(int side, QWidget* parent);

    int Side() const { return m_side; }
    // Lays the line along its side of `bounds` (parent coordinates).
    void PlaceOn(const QRect& bounds);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int m_side;
};

} // namespace quor
