// TFabout.h: the about box; shown modally from the Help menu, or without
// waiting as the splash at start when the tip window is turned off.
#pragma once

#include "shell/QuorDialog.h"

namespace quor {

class TFabout : public QuorDialog {
    Q_OBJECT
public:
    explicit TFabout(QWidget* parent = nullptr);
};

} // namespace quor
