#include "model/pictures/TUVApicture.h"

#include "model/pictures/PictureDecoder.h"

#include <algorithm>
#include <fstream>
#include <iterator>

namespace quor {

TUVApicture::TUVApicture(PictureFormat format, int width, int height, std::uint32_t rgba)
    : m_format(format)
{
    if (width <= 0 || height <= 0 || !SizeAllowed(static_cast<std::size_t>(width), static_cast<std::size_t>(height)))
        return;
    m_width = width;
    m_height = height;
    AddFrame(rgba);
}

TUVApicture TUVApicture::SizeOnly(PictureFormat format, int width, int height)
{
    TUVApicture pic;
    pic.m_format = format;
    pic.m_width = std::max(width, 0);
    pic.m_height = std::max(height, 0);
    return pic;
}

bool TUVApicture::SizeAllowed(std::size_t width, std::size_t height)
{
    return width > 0 && height > 0 && width <= kMaxFramePixels / height;
}

bool TUVApicture::AddFrame(std::uint32_t rgba, int delayMs)
{
    if (IsEmpty())
        return false;
    const std::size_t bytes = static_cast<std::size_t>(m_width) * static_cast<std::size_t>(m_height) * 4;
    if (bytes * (m_frames.size() + 1) > kMaxTotalBytes)
        return false;
    PictureFrame f;
    f.delayMs = delayMs;
    f.rgba.resize(bytes);
    const std::uint8_t px[4] = {static_cast<std::uint8_t>(rgba >> 24), static_cast<std::uint8_t>(rgba >> 16),
                                static_cast<std::uint8_t>(rgba >> 8), static_cast<std::uint8_t>(rgba)};
    if (rgba != 0) {
        for (std::size_t i = 0; i < bytes; i += 4)
            std::copy(px, px + 4, f.rgba.begin() + static_cast<std::ptrdiff_t>(i));
    }
    m_frames.push_back(std::move(f));
    return true;
}

std::uint32_t TUVApicture::Pixel(int x, int y, int frame) const
{
    if (x < 0 || y < 0 || x >= m_width || y >= m_height || frame < 0 || frame >= FrameCount())
        return 0;
    const auto& p = m_frames[static_cast<std::size_t>(frame)].rgba;
    const std::size_t at = (static_cast<std::size_t>(y) * static_cast<std::size_t>(m_width) + static_cast<std::size_t>(x)) * 4;
    return (std::uint32_t{p[at]} << 24) | (std::uint32_t{p[at + 1]} << 16) | (std::uint32_t{p[at + 2]} << 8) | p[at + 3];
}

void TUVApicture::SetPixel(int x, int y, std::uint32_t rgba, int frame)
{
    if (x < 0 || y < 0 || x >= m_width || y >= m_height || frame < 0 || frame >= FrameCount())
        return;
    auto& p = m_frames[static_cast<std::size_t>(frame)].rgba;
    const std::size_t at = (static_cast<std::size_t>(y) * static_cast<std::size_t>(m_width) + static_cast<std::size_t>(x)) * 4;
    p[at] = static_cast<std::uint8_t>(rgba >> 24);
    p[at + 1] = static_cast<std::uint8_t>(rgba >> 16);
    p[at + 2] = static_cast<std::uint8_t>(rgba >> 8);
    p[at + 3] = static_cast<std::uint8_t>(rgba);
}

bool TUVApicture::HasAlpha() const
{
    for (const auto& f : m_frames) {
        for (std::size_t i = 3; i < f.rgba.size(); i += 4) {
            if (f.rgba[i] != 0xFF)
                return true;
        }
    }
    return false;
}

bool TUVApicture::LoadFromFile(const std::string& fileName, std::string* error)
{
    *this = TUVApicture();
    m_fileName = fileName;
    std::ifstream in(fileName, std::ios::binary);
    if (!in) {
        if (error)
            *error = "cannot open " + fileName;
        return false;
    }
    const std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    std::string why;
    TUVApicture decoded;
    if (!DecodePicture(bytes, decoded, why)) {
        if (error)
            *error = why;
        return false;
    }
    *this = std::move(decoded);
    m_fileName = fileName;
    return true;
}

} // namespace quor
