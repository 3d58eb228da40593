// TUVASplit.h: the splitter between sibling frames. It also places itself
// right after its target (at the target's right or bottom edge) and refuses a
// target that is not docked to a side.
#pragma once

#include "composition/TWZuSplit.h"

namespace quor {

class TUVASplit : public TWZuSplit {
    Q_OBJECT
public:
    explicit TUVASplit(QWidget* parent = nullptr) : TWZuSplit(parent) {}

    // Throws std::invalid_argument("TargetControl's align must be left, right,
    // top or bottom") for a target docked to no side.
    bool SetTargetControl(QWidget* target) override;
    // Moves the bar to target left + width (vertical) or target top + height.
    void PlaceAfterTarget();
};

} // namespace quor
