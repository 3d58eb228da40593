// TWZuSplit.h: a bar that resizes a target control docked to the same side
// (top, bottom, left or right). A bar beside a left or right target is vertical,
// otherwise horizontal. A drag draws an inverted line as thick as the bar across
// the parent; the line stops where the target would go below Mintargetlimit or
// above the parent's size minus MaxTargetLimit. On release the target gets the
// new width (vertical bars) or height (horizontal bars).
#pragma once

#include "composition/TAlign.h"

#include <QFrame>
#include <QPointer>

#include <functional>

namespace quor {

class TInvertFeedback;

class TWZuSplit : public QFrame {
    Q_OBJECT
public:
    explicit TWZuSplit(QWidget* parent = nullptr);
    ~TWZuSplit() override;

    QWidget* TargetControl() const { return m_target; }
    // Takes the target's alignment for the bar. Returns false (and keeps no
    // target) when the target is not docked to a side.
    virtual bool SetTargetControl(QWidget* target);

    int Mintargetlimit() const { return m_minTarget; }
    void SetMintargetlimit(int v) { m_minTarget = v; }
    int MaxTargetLimit() const { return m_maxTarget; }
    void SetMaxTargetLimit(int v) { m_maxTarget = v; }
    bool Sizeable() const { return m_sizeable; }
    void SetSizeable(bool on);
    bool Locked() const { return m_locked; }
    void SetLocked(bool on) { m_locked = on; }

    // Vertical: the bar stands beside a left or right target and moves in x.
    bool IsVertical() const;
    bool Splitting() const { return m_splitting; }
    // Target size the current drag would give (valid while splitting).
    int PendingSize() const { return m_pendingSize; }

    std::function<void(TWZuSplit*)> OnBeginSplit;
    std::function<void(TWZuSplit*)> OnMoveSplit;
    std::function<void(TWZuSplit*)> OnEndingSplit;
    std::function<void(TWZuSplit*)> OnEndSplit;

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void UpdateCursor();

    QPointer<QWidget> m_target;

private:
    int TargetSize() const;
    int ParentSize() const;
    QRect LineAt(int offset) const;

    int m_minTarget = 0;
    int m_maxTarget = 0;
    bool m_sizeable = true;
    bool m_locked = false;
    bool m_splitting = false;
    QPoint m_pressPos;   // in parent coordinates
    int m_startSize = 0;
    int m_lineOffset = 0;
    int m_pendingSize = 0;
    QPointer<TInvertFeedback> m_line;
};

} // namespace quor
