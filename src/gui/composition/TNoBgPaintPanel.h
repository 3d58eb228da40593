// TNoBgPaintPanel.h: the caption panel of frames. Its client area is inset by
// Margin on all sides; when Transparent it erases and paints nothing itself,
// leaving the drawing to OnPaint. OnMyClick is raised on every left-button press.
#pragma once

#include <QFrame>

#include <functional>

class QPainter;

namespace quor {

class TNoBgPaintPanel : public QFrame {
    Q_OBJECT
public:
    explicit TNoBgPaintPanel(QWidget* parent = nullptr);

    int Margin() const { return m_margin; }
    void SetMargin(int margin);
    bool Transparent() const { return m_transparent; }
    void SetTransparent(bool on);

    std::function<void(TNoBgPaintPanel*, QPainter&)> OnPaint;
    std::function<void(TNoBgPaintPanel*)> OnMyClick;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    int m_margin = 0;
    bool m_transparent = true;
};

} // namespace quor
