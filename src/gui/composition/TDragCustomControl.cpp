// TDragCustomControl.cpp: base of boxes and object controls with handles.
#include "composition/TDragCustomControl.h"

#include "composition/TDragBorderGroup.h"

#include <QFocusEvent>

namespace quor {

TDragCustomControl::TDragCustomControl(QWidget* parent)
    : TZuTransCustomControl(parent), m_borders(new TDragBorderGroup(this))
{
    m_borders->SetHandleMode(2);
    m_borders->OnBeforeResize = [this] { BeforeResize(); };
    m_borders->OnAfterResize = [this] { AfterResize(); };
    setFocusPolicy(Qt::StrongFocus);
}

void TDragCustomControl::ApplyMarks()
{
    const bool allowed = EditMode() && isVisible();
    m_borders->SetBounds(geometry());
    m_borders->Select(allowed && m_selected);
    m_borders->Outline(allowed && m_outlined);
}

void TDragCustomControl::SetReadOnly(bool on)
{
    m_readOnly = on;
    ApplyMarks();
}

void TDragCustomControl::SetInactive(bool on)
{
    m_inactive = on;
    ApplyMarks();
}

void TDragCustomControl::SetSelected(bool on)
{
    m_selected = on;
    ApplyMarks();
}

void TDragCustomControl::SetOutlined(bool on)
{
    m_outlined = on;
    ApplyMarks();
}

void TDragCustomControl::focusInEvent(QFocusEvent* event)
{
    TZuTransCustomControl::focusInEvent(event);
    if (!EditMode())
        return;
    if (m_selectOnFocus)
        SetSelected(true);
    if (OnEditStart)
        OnEditStart(this);
}

void TDragCustomControl::focusOutEvent(QFocusEvent* event)
{
    TZuTransCustomControl::focusOutEvent(event);
    // A handle drag takes no focus, so only a real focus change ends editing.
    if (m_borders->Resizing())
        return;
    const bool wasEditing = EditMode();
    if (m_selected)
        SetSelected(false);
    if (wasEditing && OnEditStop)
        OnEditStop(this);
}

void TDragCustomControl::moveEvent(QMoveEvent* event)
{
    TZuTransCustomControl::moveEvent(event);
    m_borders->SetBounds(geometry());
}

void TDragCustomControl::resizeEvent(QResizeEvent* event)
{
    TZuTransCustomControl::resizeEvent(event);
    m_borders->SetBounds(geometry());
}

void TDragCustomControl::hideEvent(QHideEvent* event)
{
    TZuTransCustomControl::hideEvent(event);
    m_borders->Select(false);
    m_borders->Outline(false);
}

void TDragCustomControl::showEvent(QShowEvent* event)
{
    TZuTransCustomControl::showEvent(event);
    ApplyMarks();
}

} // namespace quor
