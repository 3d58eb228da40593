// TUVASplit.cpp: splitter between frames.
#include "composition/TUVASplit.h"

#include <stdexcept>

namespace quor {

bool TUVASplit::SetTargetControl(QWidget* target)
{
    if (target && !IsSideAlign(ControlAlign(target)))
        throw std::invalid_argument("TargetControl's align must be left, right, top or bottom");
    TWZuSplit::SetTargetControl(target);
    PlaceAfterTarget();
    return true;
}

void TUVASplit::PlaceAfterTarget()
{
    if (!m_target)
        return;
    if (IsVertical())
        move(m_target->x() + m_target->width(), y());
    else
        move(x(), m_target->y() + m_target->height());
}

} // namespace quor
