// PictureImage.h: a core picture as a QImage for the screen.
#pragma once

#include "model/pictures/TUVApicture.h"

#include <QImage>

namespace quor {

// A copy of one frame (straight RGBA); a null image for an empty picture or a
// frame it does not have. A metafile, which has no pixels, gives a transparent
// image of its size.
QImage ToQImage(const TUVApicture& picture, int frame = 0);

} // namespace quor
