// TZuHintWindow.h: a borderless hint window that frames its text in black.
#pragma once

#include <QLabel>

namespace quor {

class TZuHintWindow : public QLabel {
    Q_OBJECT
public:
    explicit TZuHintWindow(QWidget* parent = nullptr);
    // Shows `text` with its top-left corner at `globalPos`.
    void ShowHint(const QString& text, const QPoint& globalPos);

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace quor
