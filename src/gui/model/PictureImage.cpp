#include "model/PictureImage.h"

namespace quor {

QImage ToQImage(const TUVApicture& picture, int frame)
{
    if (picture.IsEmpty())
        return {};
    if (picture.Frames().empty()) {
        QImage blank(picture.Width(), picture.Height(), QImage::Format_RGBA8888);
        blank.fill(Qt::transparent);
        return blank;
    }
    if (frame < 0 || frame >= picture.FrameCount())
        return {};
    const auto& rgba = picture.Frames()[static_cast<std::size_t>(frame)].rgba;
    const QImage view(rgba.data(), picture.Width(), picture.Height(), picture.Width() * 4, QImage::Format_RGBA8888);
    return view.copy();
}

} // namespace quor
