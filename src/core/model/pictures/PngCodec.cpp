#include "model/pictures/PngCodec.h"

#include <png.h>

#include <cstring>

namespace quor {

bool DecodePng(std::span<const std::uint8_t> bytes, TUVApicture& out, std::string& error)
{
    png_image image;
    std::memset(&image, 0, sizeof image);
    image.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_memory(&image, bytes.data(), bytes.size())) {
        error = std::string("damaged PNG: ") + image.message;
        png_image_free(&image);
        return false;
    }
    if (!TUVApicture::SizeAllowed(image.width, image.height)) {
        png_image_free(&image);
        error = "PNG picture empty or too large";
        return false;
    }
    image.format = PNG_FORMAT_RGBA;
    TUVApicture pic(PictureFormat::Png, static_cast<int>(image.width), static_cast<int>(image.height));
    if (pic.IsEmpty()) {
        png_image_free(&image);
        error = "PNG picture too large";
        return false;
    }
    if (!png_image_finish_read(&image, nullptr, pic.Frames()[0].rgba.data(), 0, nullptr)) {
        error = std::string("damaged PNG: ") + image.message;
        png_image_free(&image);
        return false;
    }
    out = std::move(pic);
    return true;
}

bool EncodePng(const TUVApicture& picture, std::vector<std::uint8_t>& out, std::string& error)
{
    if (picture.IsEmpty() || picture.Frames().empty()) {
        error = "empty picture";
        return false;
    }
    png_image image;
    std::memset(&image, 0, sizeof image);
    image.version = PNG_IMAGE_VERSION;
    image.width = static_cast<png_uint_32>(picture.Width());
    image.height = static_cast<png_uint_32>(picture.Height());
    image.format = PNG_FORMAT_RGBA;
    png_alloc_size_t size = 0;
    const void* pixels = picture.Frames()[0].rgba.data();
    if (!png_image_write_to_memory(&image, nullptr, &size, 0, pixels, 0, nullptr)) {
        error = std::string("PNG writing failed: ") + image.message;
        return false;
    }
    out.resize(size);
    if (!png_image_write_to_memory(&image, out.data(), &size, 0, pixels, 0, nullptr)) {
        error = std::string("PNG writing failed: ") + image.message;
        return false;
    }
    out.resize(size);
    return true;
}

} // namespace quor
