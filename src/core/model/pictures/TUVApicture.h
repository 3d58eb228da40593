// TUVApicture.h: a decoded picture in memory: size, source format, and one or
// more frames of straight (not premultiplied) RGBA pixels covering the whole
// picture. An animated GIF has one composed frame per image with its delay.
// Metafiles are not drawn by the core: they carry only their size.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace quor {

enum class PictureFormat { None, Bmp, Gif, Jpeg, Png, Metafile };

struct PictureFrame {
    std::vector<std::uint8_t> rgba;   // width * height * 4 bytes, rows top to bottom
    int delayMs = 0;                  // time the frame stays before the next one
};

class TUVApicture {
public:
    // Limits for untrusted input: a frame above kMaxFramePixels, or frames adding
    // up to more than kMaxTotalBytes, are refused instead of being allocated.
    static constexpr std::size_t kMaxFramePixels = std::size_t{1} << 26;     // 8192 x 8192
    static constexpr std::size_t kMaxTotalBytes = std::size_t{1} << 30;

    TUVApicture() = default;
    // A picture of one frame filled with `rgba` (default transparent black).
    TUVApicture(PictureFormat format, int width, int height, std::uint32_t rgba = 0);

    // A picture that has a size but no pixels (metafiles, which the core does not draw).
    static TUVApicture SizeOnly(PictureFormat format, int width, int height);

    bool IsEmpty() const { return m_width <= 0 || m_height <= 0; }
    int Width() const { return m_width; }
    int Height() const { return m_height; }
    PictureFormat Format() const { return m_format; }
    void SetFormat(PictureFormat f) { m_format = f; }

    // The GIF transparency flag (graphic-control extension of the first frame).
    bool Transparent() const { return m_transparent; }
    void SetTransparent(bool t) { m_transparent = t; }

    std::vector<PictureFrame>& Frames() { return m_frames; }
    const std::vector<PictureFrame>& Frames() const { return m_frames; }
    int FrameCount() const { return static_cast<int>(m_frames.size()); }
    // Appends a frame of the picture's size filled with `rgba`; false past the limits.
    bool AddFrame(std::uint32_t rgba = 0, int delayMs = 0);

    // Pixel of a frame as 0xRRGGBBAA; 0 outside the picture.
    std::uint32_t Pixel(int x, int y, int frame = 0) const;
    void SetPixel(int x, int y, std::uint32_t rgba, int frame = 0);
    // True when any pixel of any frame is not fully opaque.
    bool HasAlpha() const;

    // File the picture was loaded from (empty for a picture made in memory).
    const std::string& ImageNameL() const { return m_fileName; }
    // Loads the picture from a file; on any error the picture is left empty and
    // `error` (when given) says why.
    bool LoadFromFile(const std::string& fileName, std::string* error = nullptr);

    // Whether a picture of this size fits the limits.
    static bool SizeAllowed(std::size_t width, std::size_t height);

private:
    int m_width = 0;
    int m_height = 0;
    PictureFormat m_format = PictureFormat::None;
    bool m_transparent = false;
    std::vector<PictureFrame> m_frames;
    std::string m_fileName;
};

} // namespace quor
