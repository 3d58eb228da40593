// TInsiemeCornici.cpp: the published page editor.
#include "composition/frames/TInsiemeCornici.h"

namespace quor {

TInsiemeCornici::TInsiemeCornici(QWidget* parent) : TUVACustomFrameSet(parent)
{
    setObjectName(QStringLiteral("InsiemeCornici"));
}

} // namespace quor
