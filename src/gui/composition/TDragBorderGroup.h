// TDragBorderGroup.h: the eight handles and four outline sides of one target
// control, kept on the target's bounds. Selected shows enabled handles and the
// outline; active shows the handles disabled; in handle mode 2 a handle drag
// resizes the target, with before- and after-resize notifications.
#pragma once

#include <QObject>
#include <QPointer>
#include <QRect>

#include <array>
#include <functional>

namespace quor {

class TBoxBorder;
class TDragBorder;
class TInvertFeedback;

class TDragBorderGroup : public QObject {
    Q_OBJECT
public:
    // The handles live beside `target`, in its parent; the group is owned by the target.
    explicit TDragBorderGroup(QWidget* target);
    ~TDragBorderGroup() override;

    QWidget* Target() const { return m_target; }
    int HandleMode() const { return m_mode; }
    void SetHandleMode(int mode) { m_mode = mode; }

    bool Selected() const { return m_selected; }
    bool Active() const { return m_active; }
    bool Outlined() const { return m_outlined; }
    bool Resizing() const { return m_resizing; }

    // Select: handles enabled and shown, outline shown. Deselecting hides both
    // unless the group is still active or outlined.
    void Select(bool on);
    // Active: handles shown, but disabled (silver).
    void Activate(bool on);
    void Outline(bool on);

    QRect Bounds() const { return m_bounds; }
    // Moves the handles and the outline along with the target's bounds.
    void SetBounds(const QRect& bounds);

    // Raises or lowers the target together with its handles and outline.
    void BringToFront();
    void SendToBack();

    // Resizing by a handle; positions are global screen points.
    void BeginResize(int handle, const QPoint& pressGlobal);
    void MoveResize(const QPoint& global, bool shift);
    void EndResize();
    QRect ResizeBounds() const { return m_resizeBounds; }

    // New bounds for a drag of `handle` by `offset` from `start`: corner handles
    // move two sides, middle handles one; with Shift a corner uses the smaller
    // of the two offsets for both, keeping the change square.
    static QRect ResizedBounds(const QRect& start, int handle, QPoint offset, bool shift);

    std::function<void()> OnBeforeResize;
    std::function<void()> OnAfterResize;

    bool HandlesVisible() const;
    bool OutlineVisible() const;
    TDragBorder* Handle(int position) const; // 1..8
    TBoxBorder* Side(int side) const;        // 1..4

private:
    void EnsureControls();
    void UpdateVisibility();

    QPointer<QWidget> m_target;
    QPointer<QWidget> m_controlsParent;
    std::array<QPointer<TDragBorder>, 8> m_handles{};
    std::array<QPointer<TBoxBorder>, 4> m_sides{};
    QPointer<TInvertFeedback> m_feedback;
    QRect m_bounds;
    int m_mode = 1;
    bool m_selected = false;
    bool m_active = false;
    bool m_outlined = false;
    bool m_resizing = false;
    int m_resizeHandle = 0;
    QPoint m_pressGlobal;
    QRect m_startBounds;
    QRect m_resizeBounds;
};

} // namespace quor
