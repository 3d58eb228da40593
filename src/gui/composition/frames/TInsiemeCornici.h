// TInsiemeCornici.h: the page editor component placed by the main window and
// by dialogs that show pages; it publishes the frame set's properties.
#pragma once

#include "composition/frames/TUVACustomFrameSet.h"

namespace quor {

class TInsiemeCornici : public TUVACustomFrameSet {
    Q_OBJECT
public:
    explicit TInsiemeCornici(QWidget* parent = nullptr);
};

} // namespace quor
