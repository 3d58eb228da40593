#include "model/pictures/BmpCodec.h"

#include "base/ByteReader.h"
#include "base/ByteWriter.h"

#include <algorithm>
#include <array>
#include <bit>

namespace quor {

namespace {

constexpr std::uint32_t kRgb = 0, kRle8 = 1, kRle4 = 2, kBitFields = 3, kAlphaBitFields = 6;

struct Mask {
    std::uint32_t mask = 0;
    int shift = 0;
    int bits = 0;

    explicit Mask(std::uint32_t m = 0) : mask(m)
    {
        if (m) {
            shift = std::countr_zero(m);
            bits = std::popcount(m >> shift);
            if (bits > 8) {
                // Keep the top 8 bits of a wide channel.
                shift += bits - 8;
                bits = 8;
            }
        }
    }
    std::uint8_t Get(std::uint32_t v) const
    {
        if (!mask)
            return 0;
        const std::uint32_t max = (1u << bits) - 1;
        const std::uint32_t c = (v >> shift) & max;
        return static_cast<std::uint8_t>(c * 255 / max);
    }
};

bool Fail(std::string& error, const char* why)
{
    error = std::string("damaged bitmap: ") + why;
    return false;
}

} // namespace

bool DecodeBmp(std::span<const std::uint8_t> bytes, TUVApicture& out, std::string& error)
{
    ByteReader in(bytes);
    const auto magic = in.U16();
    in.Skip(8);
    const auto pixelOffset = in.U32();
    const auto headerSize = in.U32();
    if (!magic || *magic != 0x4D42 || !pixelOffset || !headerSize)
        return Fail(error, "header too short");
    std::int64_t width = 0, height = 0;
    std::uint16_t bits = 0;
    std::uint32_t compression = kRgb, coloursUsed = 0;
    std::size_t paletteEntrySize = 4;
    std::array<std::uint32_t, 4> masks{};
    bool haveMasks = false;
    if (*headerSize == 12) {
        const auto w = in.U16(), h = in.U16(), planes = in.U16(), b = in.U16();
        if (!w || !h || !planes || !b)
            return Fail(error, "header too short");
        width = *w;
        height = *h;
        bits = *b;
        paletteEntrySize = 3;
    } else if (*headerSize >= 40 && *headerSize <= 0x1000) {
        const auto w = in.I32(), h = in.I32();
        const auto planes = in.U16(), b = in.U16();
        const auto comp = in.U32();
        in.Skip(12);
        const auto used = in.U32();
        if (!w || !h || !planes || !b || !comp || !used)
            return Fail(error, "header too short");
        width = *w;
        height = *h;
        bits = *b;
        compression = *comp;
        coloursUsed = *used;
        if (*headerSize >= 52) {
            in.Seek(14 + 40);
            for (std::size_t i = 0; i < (*headerSize >= 56 ? 4u : 3u); ++i) {
                const auto m = in.U32();
                if (!m)
                    return Fail(error, "header too short");
                masks[i] = *m;
            }
            haveMasks = true;
        }
        if (!in.Seek(14 + *headerSize))
            return Fail(error, "header too short");
        if (!haveMasks && (compression == kBitFields || compression == kAlphaBitFields)) {
            for (std::size_t i = 0; i < (compression == kAlphaBitFields ? 4u : 3u); ++i) {
                const auto m = in.U32();
                if (!m)
                    return Fail(error, "colour masks missing");
                masks[i] = *m;
            }
            haveMasks = true;
        }
    } else {
        return Fail(error, "unknown header size");
    }
    const bool topDown = height < 0;
    if (topDown)
        height = -height;
    if (width <= 0 || height <= 0 ||
        !TUVApicture::SizeAllowed(static_cast<std::size_t>(width), static_cast<std::size_t>(height)))
        return Fail(error, "size empty or too large");
    const bool indexed = bits == 1 || bits == 4 || bits == 8;
    if (!indexed && bits != 16 && bits != 24 && bits != 32)
        return Fail(error, "unsupported bits per pixel");
    if ((compression == kRle8 && bits != 8) || (compression == kRle4 && bits != 4) ||
        ((compression == kBitFields || compression == kAlphaBitFields) && bits != 16 && bits != 32) ||
        (compression != kRgb && compression != kRle8 && compression != kRle4 && compression != kBitFields &&
         compression != kAlphaBitFields))
        return Fail(error, "unsupported compression");

    // Palette: entries up to the pixel rows, at most 256 and at most 2^bits.
    std::array<std::uint32_t, 256> palette{};
    std::size_t paletteSize = 0;
    if (indexed) {
        std::size_t count = coloursUsed ? coloursUsed : (std::size_t{1} << bits);
        count = std::min<std::size_t>({count, std::size_t{1} << bits, std::size_t{256}});
        for (std::size_t i = 0; i < count; ++i) {
            const auto entry = in.Bytes(paletteEntrySize);
            if (!entry)
                break;
            palette[i] = (std::uint32_t{(*entry)[2]} << 24) | (std::uint32_t{(*entry)[1]} << 16) |
                         (std::uint32_t{(*entry)[0]} << 8) | 0xFF;
            paletteSize = i + 1;
        }
        if (paletteSize == 0)
            return Fail(error, "palette missing");
    }
    if (*pixelOffset >= bytes.size())
        return Fail(error, "pixel rows missing");
    const std::span<const std::uint8_t> data = bytes.subspan(*pixelOffset);

    const int W = static_cast<int>(width), H = static_cast<int>(height);
    TUVApicture pic(PictureFormat::Bmp, W, H);
    if (pic.IsEmpty())
        return Fail(error, "size too large");
    auto colourOfIndex = [&](std::size_t index) -> std::uint32_t {
        return index < paletteSize ? palette[index] : 0x000000FFu;
    };
    // Row r of the file is picture row y.
    auto rowOf = [&](int r) { return topDown ? r : H - 1 - r; };

    if (compression == kRle8 || compression == kRle4) {
        if (topDown)
            return Fail(error, "compressed rows cannot be top-down");
        ByteReader rle(data);
        int x = 0, r = 0;
        auto put = [&](std::size_t index) {
            if (x < W && r < H)
                pic.SetPixel(x, rowOf(r), colourOfIndex(index));
            if (x <= W)
                ++x;   // bounded, so no run of moves can overflow it
        };
        // Unwritten pixels keep palette colour 0.
        for (int y = 0; y < H; ++y)
            for (int xx = 0; xx < W; ++xx)
                pic.SetPixel(xx, y, colourOfIndex(0));
        while (r < H) {
            const auto count = rle.U8(), value = rle.U8();
            if (!count || !value)
                break;   // truncated: keep what was decoded
            if (*count > 0) {
                for (int i = 0; i < *count && x <= W; ++i)
                    put(compression == kRle8 ? *value : ((i & 1) ? (*value & 0x0F) : (*value >> 4)));
                continue;
            }
            if (*value == 0) {          // end of line
                x = 0;
                ++r;
            } else if (*value == 1) {   // end of bitmap
                break;
            } else if (*value == 2) {   // move
                const auto dx = rle.U8(), dy = rle.U8();
                if (!dx || !dy)
                    break;
                x = std::min(x + *dx, W + 1);
                r += *dy;
            } else {                    // a run of literal pixels, padded to 16 bits
                const int n = *value;
                const std::size_t byteCount = compression == kRle8 ? static_cast<std::size_t>(n)
                                                                   : static_cast<std::size_t>((n + 1) / 2);
                const auto run = rle.Bytes(byteCount);
                if (!run)
                    break;
                for (int i = 0; i < n; ++i) {
                    const std::uint8_t b = (*run)[compression == kRle8 ? static_cast<std::size_t>(i) : static_cast<std::size_t>(i / 2)];
                    put(compression == kRle8 ? b : ((i & 1) ? (b & 0x0F) : (b >> 4)));
                }
                if (byteCount & 1)
                    rle.Skip(1);
            }
        }
        out = std::move(pic);
        return true;
    }

    const std::size_t stride = ((static_cast<std::size_t>(W) * bits + 31) / 32) * 4;
    if (!haveMasks) {
        if (bits == 16)
            masks = {0x7C00, 0x03E0, 0x001F, 0};
        else if (bits == 32)
            masks = {0x00FF0000, 0x0000FF00, 0x000000FF, 0};
    }
    const Mask red(masks[0]), green(masks[1]), blue(masks[2]), alpha(masks[3]);
    bool anyAlpha = false;
    for (int r = 0; r < H; ++r) {
        const std::size_t start = static_cast<std::size_t>(r) * stride;
        if (start >= data.size() || data.size() - start < stride)
            break;   // truncated: missing rows stay transparent
        const std::uint8_t* row = data.data() + start;
        const int y = rowOf(r);
        for (int x = 0; x < W; ++x) {
            const auto ux = static_cast<std::size_t>(x);
            std::uint32_t rgba = 0;
            switch (bits) {
            case 1: rgba = colourOfIndex((row[ux / 8] >> (7 - ux % 8)) & 1); break;
            case 4: rgba = colourOfIndex((ux & 1) ? (row[ux / 2] & 0x0F) : (row[ux / 2] >> 4)); break;
            case 8: rgba = colourOfIndex(row[ux]); break;
            case 24: rgba = (std::uint32_t{row[ux * 3 + 2]} << 24) | (std::uint32_t{row[ux * 3 + 1]} << 16) |
                            (std::uint32_t{row[ux * 3]} << 8) | 0xFF;
                break;
            default: {
                const std::uint32_t v = bits == 16 ? std::uint32_t{row[ux * 2]} | (std::uint32_t{row[ux * 2 + 1]} << 8)
                                                   : std::uint32_t{row[ux * 4]} | (std::uint32_t{row[ux * 4 + 1]} << 8) |
                                                         (std::uint32_t{row[ux * 4 + 2]} << 16) |
                                                         (std::uint32_t{row[ux * 4 + 3]} << 24);
                const std::uint8_t a = alpha.mask ? alpha.Get(v) : 0xFF;
                if (a != 0)
                    anyAlpha = true;
                rgba = (std::uint32_t{red.Get(v)} << 24) | (std::uint32_t{green.Get(v)} << 16) |
                       (std::uint32_t{blue.Get(v)} << 8) | a;
            }
            }
            pic.SetPixel(x, y, rgba);
        }
    }
    // An alpha mask whose values are all zero is an unused channel, not a clear picture.
    if (alpha.mask && !anyAlpha) {
        for (auto& f : pic.Frames())
            for (std::size_t i = 3; i < f.rgba.size(); i += 4)
                f.rgba[i] = 0xFF;
    }
    out = std::move(pic);
    return true;
}

bool EncodeBmp(const TUVApicture& picture, std::vector<std::uint8_t>& out, std::string& error)
{
    if (picture.IsEmpty() || picture.Frames().empty()) {
        error = "empty picture";
        return false;
    }
    const auto W = static_cast<std::size_t>(picture.Width()), H = static_cast<std::size_t>(picture.Height());
    const std::size_t stride = (W * 3 + 3) / 4 * 4;
    const std::size_t imageSize = stride * H;
    if (imageSize > 0x7FFFFFFF - 54) {
        error = "picture too large for a bitmap";
        return false;
    }
    ByteWriter w;
    w.U16(0x4D42);
    w.U32(static_cast<std::uint32_t>(54 + imageSize));
    w.U32(0);
    w.U32(54);
    w.U32(40);
    w.I32(static_cast<std::int32_t>(W));
    w.I32(static_cast<std::int32_t>(H));
    w.U16(1);
    w.U16(24);
    w.U32(kRgb);
    w.U32(static_cast<std::uint32_t>(imageSize));
    w.I32(3780);   // 96 pixels per inch
    w.I32(3780);
    w.U32(0);
    w.U32(0);
    const auto& rgba = picture.Frames()[0].rgba;
    std::vector<std::uint8_t> row(stride, 0);
    for (std::size_t r = 0; r < H; ++r) {
        const std::uint8_t* src = rgba.data() + (H - 1 - r) * W * 4;
        for (std::size_t x = 0; x < W; ++x) {
            const int a = src[x * 4 + 3];
            for (int c = 0; c < 3; ++c)
                row[x * 3 + static_cast<std::size_t>(2 - c)] =
                    static_cast<std::uint8_t>((src[x * 4 + static_cast<std::size_t>(c)] * a + 255 * (255 - a)) / 255);
        }
        w.Bytes(row);
    }
    out = std::move(w.Data());
    return true;
}

} // namespace quor
