// TDragCustomControl.h: transparent base of text boxes and object controls. It
// owns a handle group in resize mode (2) wired to its own before- and
// after-resize operations, and keeps the flags read-only, inactive, selected
// and outlined. Getting the focus in edit mode selects it and tells the host
// (OnEditStart); losing it deselects it (OnEditStop). Read-only or inactive
// controls never show handles or outlines.
#pragma once

#include "composition/TZuTransCustomControl.h"

#include <functional>

namespace quor {

class TDragBorderGroup;

class TDragCustomControl : public TZuTransCustomControl {
    Q_OBJECT
public:
    explicit TDragCustomControl(QWidget* parent = nullptr);

    TDragBorderGroup* Borders() const { return m_borders; }

    bool ReadOnly() const { return m_readOnly; }
    void SetReadOnly(bool on);
    bool Inactive() const { return m_inactive; }
    void SetInactive(bool on);
    bool EditMode() const { return !m_readOnly && !m_inactive; }

    bool Selected() const { return m_selected; }
    void SetSelected(bool on);
    bool Outlined() const { return m_outlined; }
    void SetOutlined(bool on);

    // Whether focusing this control selects it (shows its handles). Page boxes
    // that fill their frame turn it off; objects and cells keep it.
    bool SelectOnFocus() const { return m_selectOnFocus; }
    void SetSelectOnFocus(bool on) { m_selectOnFocus = on; }

    std::function<void(TDragCustomControl*)> OnEditStart;
    std::function<void(TDragCustomControl*)> OnEditStop;

protected:
    // Handle drags: before the bounds change (objects record undo here) and
    // after the new bounds are set (objects store their size and lay out again).
    virtual void BeforeResize() {}
    virtual void AfterResize() {}

    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void ApplyMarks();

    TDragBorderGroup* m_borders;
    bool m_readOnly = false;
    bool m_inactive = false;
    bool m_selected = false;
    bool m_outlined = false;
    bool m_selectOnFocus = true;
};

} // namespace quor
