// TInvertFeedback.h: drag feedback drawn by inverting what lies under it
// (difference with white), laid over a host widget: a dotted rectangle for
// resizing, a solid bar for splitters, a dotted line for ruler guides.
// Showing it again at the old place restores the pixels, as an XOR pen does.
#pragma once

#include "composition/TTransNoEventsControl.h"

namespace quor {

class TInvertFeedback : public TTransNoEventsControl {
    Q_OBJECT
public:
    enum class Shape { DottedRect, SolidBar, DottedLine };

    // Covers the whole of `host` and stays above its other children.
    TInvertFeedback(QWidget* host, Shape shape);

    Shape FeedbackShape() const { return m_shape; }
    // Rectangle in host coordinates (a line is a rectangle 1 pixel wide or high).
    void SetFeedbackRect(const QRect& rect);
    QRect FeedbackRect() const { return m_rect; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Shape m_shape;
    QRect m_rect;
};

} // namespace quor
