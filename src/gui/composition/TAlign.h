// TAlign.h: side alignment of child controls (top, bottom, left, right, client),
// kept on the widget itself so that splitters can tell which side their target
// is docked to, and the arrangement that docks aligned children in their parent.
#pragma once

class QWidget;

namespace quor {

enum class TAlign { alNone, alTop, alBottom, alLeft, alRight, alClient };

void SetControlAlign(QWidget* control, TAlign align);
TAlign ControlAlign(const QWidget* control); // alNone when never set

// True for the four sides a splitter can work against.
inline bool IsSideAlign(TAlign a)
{
    return a == TAlign::alTop || a == TAlign::alBottom || a == TAlign::alLeft || a == TAlign::alRight;
}

// Docks the visible aligned children of `parent` in child order: top and
// bottom children take their height across the remaining width, left and right
// ones their width down the remaining height, client children fill what is left.
// Children without an alignment are left where they are.
void ArrangeAligned(QWidget* parent);

} // namespace quor
