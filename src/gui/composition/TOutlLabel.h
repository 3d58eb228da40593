// TOutlLabel.h: a label whose text is drawn outlined: nine times in
// ColourShadow at offsets 0..2 in x and y, then once at (1, 1) in the font colour.
#pragma once

#include <QLabel>

namespace quor {

class TOutlLabel : public QLabel {
    Q_OBJECT
public:
    explicit TOutlLabel(QWidget* parent = nullptr) : QLabel(parent) {}

    QColor ColourShadow() const { return m_shadow; }
    void SetColourShadow(const QColor& c) { m_shadow = c; update(); }
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor m_shadow = Qt::white;
};

} // namespace quor
