// TTransMouseControl.h: a transparent control that takes the mouse but leaves
// Tab and the arrows to the focus chain.
#pragma once

#include "composition/TZuTransCustomControl.h"

namespace quor {

class TTransMouseControl : public TZuTransCustomControl {
    Q_OBJECT
public:
    explicit TTransMouseControl(QWidget* parent = nullptr) : TZuTransCustomControl(parent) {}
    bool WantsSpecialKeys() const override { return false; }
};

} // namespace quor
