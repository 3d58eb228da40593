// TTransNoEventsControl.h: a transparent control that neither takes keys nor
// reacts to the mouse; presses pass through to what lies behind it.
#pragma once

#include "composition/TTransMouseControl.h"

namespace quor {

class TTransNoEventsControl : public TTransMouseControl {
    Q_OBJECT
public:
    explicit TTransNoEventsControl(QWidget* parent = nullptr) : TTransMouseControl(parent)
    {
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setFocusPolicy(Qt::NoFocus);
    }
};

} // namespace quor
