// TZuTransCustomControl.h: a control that paints over what lies behind it
// (no background erase) and takes every key, Tab and the arrows included.
// Objects and selection marks stand over the page's background and text this way.
#pragma once

#include <QWidget>

namespace quor {

class TZuTransCustomControl : public QWidget {
    Q_OBJECT
public:
    explicit TZuTransCustomControl(QWidget* parent = nullptr);

    // Quiet move: a change of bounds hides the control, moves it without
    // activating it and shows it again, so no trail of old pixels is left.
    bool QuietMove() const { return m_quietMove; }
    void SetQuietMove(bool on) { m_quietMove = on; }
    void SetBounds(const QRect& bounds);

    // Invalidates `rect` (own coordinates) here and the matching part of the
    // nearest ancestor that is not transparent, so what lies behind repaints.
    void InvalidateRect(const QRect& rect);
    // That ancestor, or null at the top.
    QWidget* OpaqueAncestor() const;

    // Tab, Backtab and the arrows reach keyPressEvent instead of moving the focus.
    virtual bool WantsSpecialKeys() const { return true; }

protected:
    bool focusNextPrevChild(bool next) override;

private:
    bool m_quietMove = false;
};

} // namespace quor
