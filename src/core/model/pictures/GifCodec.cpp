#include "model/pictures/GifCodec.h"

#include <gif_lib.h>

#include <algorithm>
#include <array>
#include <cstring>
#include <map>
#include <memory>
#include <optional>

namespace quor {

namespace {

// Raster bytes (one per pixel) a GIF may make us hold at once.
constexpr std::size_t kMaxRasterBytes = std::size_t{1} << 28;

struct ExtensionBlock {
    int function = 0;                                   // extension label
    std::vector<std::vector<std::uint8_t>> subBlocks;   // data sub-blocks in order
};

struct GifImage {
    int left = 0, top = 0, width = 0, height = 0;
    std::vector<GifColorType> localMap;
    std::vector<std::uint8_t> raster;                   // rows in natural order
    std::optional<GraphicsControlBlock> gcb;
    std::vector<ExtensionBlock> extensions;             // other extensions before the image
};

struct GifDocument {
    int width = 0, height = 0;
    int colorResolution = 8;
    int background = 0;
    std::vector<GifColorType> globalMap;
    std::vector<GifImage> images;
    std::vector<ExtensionBlock> trailing;               // extensions after the last image
};

struct MemoryInput {
    std::span<const std::uint8_t> bytes;
    std::size_t pos = 0;
};

int ReadFromMemory(GifFileType* gif, GifByteType* buffer, int length)
{
    auto* in = static_cast<MemoryInput*>(gif->UserData);
    if (length <= 0)
        return 0;
    const std::size_t n = std::min<std::size_t>(static_cast<std::size_t>(length), in->bytes.size() - in->pos);
    std::memcpy(buffer, in->bytes.data() + in->pos, n);
    in->pos += n;
    return static_cast<int>(n);
}

int WriteToMemory(GifFileType* gif, const GifByteType* buffer, int length)
{
    auto* out = static_cast<std::vector<std::uint8_t>*>(gif->UserData);
    if (length > 0)
        out->insert(out->end(), buffer, buffer + length);
    return length;
}

struct DecoderCloser {
    void operator()(GifFileType* g) const
    {
        int err = 0;
        DGifCloseFile(g, &err);
    }
};
struct EncoderCloser {
    void operator()(GifFileType* g) const
    {
        int err = 0;
        EGifCloseFile(g, &err);
    }
};

std::string GifError(int code, const char* what)
{
    const char* text = GifErrorString(code);
    return std::string(what) + (text ? std::string(": ") + text : std::string());
}

std::vector<GifColorType> MapColours(const ColorMapObject* map)
{
    if (!map || !map->Colors || map->ColorCount <= 0)
        return {};
    return std::vector<GifColorType>(map->Colors, map->Colors + std::min(map->ColorCount, 256));
}

// Reads the whole GIF record by record, refusing frames past the size limits.
// `partial` becomes true when the data ended early after at least one whole image.
bool ReadGifDocument(std::span<const std::uint8_t> bytes, GifDocument& doc, std::string& error)
{
    MemoryInput input{bytes, 0};
    int err = 0;
    std::unique_ptr<GifFileType, DecoderCloser> gif(DGifOpen(&input, ReadFromMemory, &err));
    if (!gif) {
        error = GifError(err, "not a GIF file");
        return false;
    }
    doc.width = gif->SWidth;
    doc.height = gif->SHeight;
    doc.colorResolution = gif->SColorResolution;
    doc.background = gif->SBackGroundColor;
    doc.globalMap = MapColours(gif->SColorMap);

    std::optional<GraphicsControlBlock> pendingGcb;
    std::vector<ExtensionBlock> pendingExtensions;
    std::size_t rasterBytes = 0;
    GifRecordType type = UNDEFINED_RECORD_TYPE;
    do {
        if (DGifGetRecordType(gif.get(), &type) == GIF_ERROR) {
            if (!doc.images.empty())
                break;   // damaged tail: keep the images read so far
            error = GifError(gif->Error, "damaged GIF");
            return false;
        }
        if (type == IMAGE_DESC_RECORD_TYPE) {
            if (DGifGetImageDesc(gif.get()) == GIF_ERROR) {
                if (!doc.images.empty())
                    break;
                error = GifError(gif->Error, "damaged GIF image descriptor");
                return false;
            }
            GifImage image;
            image.left = gif->Image.Left;
            image.top = gif->Image.Top;
            image.width = gif->Image.Width;
            image.height = gif->Image.Height;
            const auto w = static_cast<std::size_t>(std::max(image.width, 0));
            const auto h = static_cast<std::size_t>(std::max(image.height, 0));
            if (!TUVApicture::SizeAllowed(w, h) || rasterBytes + w * h > kMaxRasterBytes) {
                if (!doc.images.empty())
                    break;
                error = "GIF image empty or too large";
                return false;
            }
            image.localMap = MapColours(gif->Image.ColorMap);
            image.raster.resize(w * h);
            bool ok = true;
            if (gif->Image.Interlace) {
                static constexpr int kOffset[] = {0, 4, 2, 1};
                static constexpr int kStep[] = {8, 8, 4, 2};
                for (int pass = 0; pass < 4 && ok; ++pass) {
                    for (std::size_t y = static_cast<std::size_t>(kOffset[pass]); y < h && ok; y += static_cast<std::size_t>(kStep[pass]))
                        ok = DGifGetLine(gif.get(), image.raster.data() + y * w, static_cast<int>(w)) != GIF_ERROR;
                }
            } else {
                for (std::size_t y = 0; y < h && ok; ++y)
                    ok = DGifGetLine(gif.get(), image.raster.data() + y * w, static_cast<int>(w)) != GIF_ERROR;
            }
            if (!ok) {
                if (!doc.images.empty())
                    break;
                error = GifError(gif->Error, "damaged GIF image data");
                return false;
            }
            rasterBytes += w * h;
            image.gcb = pendingGcb;
            image.extensions = std::move(pendingExtensions);
            pendingGcb.reset();
            pendingExtensions.clear();
            doc.images.push_back(std::move(image));
        } else if (type == EXTENSION_RECORD_TYPE) {
            int code = 0;
            GifByteType* block = nullptr;
            if (DGifGetExtension(gif.get(), &code, &block) == GIF_ERROR) {
                if (!doc.images.empty())
                    break;
                error = GifError(gif->Error, "damaged GIF extension");
                return false;
            }
            ExtensionBlock ext;
            ext.function = code;
            bool ok = true;
            while (block) {
                ext.subBlocks.emplace_back(block + 1, block + 1 + block[0]);
                if (DGifGetExtensionNext(gif.get(), &block) == GIF_ERROR) {
                    ok = false;
                    break;
                }
            }
            if (!ok) {
                if (!doc.images.empty())
                    break;
                error = GifError(gif->Error, "damaged GIF extension");
                return false;
            }
            if (code == GRAPHICS_EXT_FUNC_CODE && !ext.subBlocks.empty() && ext.subBlocks[0].size() >= 4) {
                GraphicsControlBlock gcb{};
                DGifExtensionToGCB(4, ext.subBlocks[0].data(), &gcb);
                pendingGcb = gcb;
            } else {
                pendingExtensions.push_back(std::move(ext));
            }
        }
    } while (type != TERMINATE_RECORD_TYPE);
    doc.trailing = std::move(pendingExtensions);
    if (doc.images.empty()) {
        error = "GIF without images";
        return false;
    }
    if (doc.width <= 0 || doc.height <= 0) {
        // A zero logical screen: take the extent of the images.
        int w = 0, h = 0;
        for (const auto& im : doc.images) {
            w = std::max(w, im.left + im.width);
            h = std::max(h, im.top + im.height);
        }
        doc.width = w;
        doc.height = h;
    }
    if (!TUVApicture::SizeAllowed(static_cast<std::size_t>(std::max(doc.width, 0)),
                                  static_cast<std::size_t>(std::max(doc.height, 0)))) {
        error = "GIF screen empty or too large";
        return false;
    }
    return true;
}

void PutExtension(GifFileType* gif, const ExtensionBlock& ext)
{
    EGifPutExtensionLeader(gif, ext.function);
    for (const auto& sub : ext.subBlocks)
        EGifPutExtensionBlock(gif, static_cast<int>(sub.size()), sub.data());
    EGifPutExtensionTrailer(gif);
}

// A colour map of a power-of-two size (giflib's requirement), padded with black.
std::unique_ptr<ColorMapObject, void (*)(ColorMapObject*)> MakeMap(const std::vector<GifColorType>& colours)
{
    int size = 2;
    while (size < static_cast<int>(colours.size()) && size < 256)
        size *= 2;
    std::vector<GifColorType> padded(static_cast<std::size_t>(size), GifColorType{0, 0, 0});
    std::copy_n(colours.begin(), std::min(colours.size(), padded.size()), padded.begin());
    return {GifMakeMapObject(size, padded.data()), GifFreeMapObject};
}

bool WriteGifDocument(const GifDocument& doc, std::vector<std::uint8_t>& out, std::string& error)
{
    if (doc.width <= 0 || doc.height <= 0 || doc.width > 65535 || doc.height > 65535) {
        error = "picture too large for a GIF";
        return false;
    }
    out.clear();
    int err = 0;
    std::unique_ptr<GifFileType, EncoderCloser> gif(EGifOpen(&out, WriteToMemory, &err));
    if (!gif) {
        error = GifError(err, "cannot start the GIF writer");
        return false;
    }
    EGifSetGifVersion(gif.get(), true);
    auto global = doc.globalMap.empty() ? std::unique_ptr<ColorMapObject, void (*)(ColorMapObject*)>(nullptr, GifFreeMapObject)
                                        : MakeMap(doc.globalMap);
    if (EGifPutScreenDesc(gif.get(), doc.width, doc.height, doc.colorResolution, doc.background, global.get()) ==
        GIF_ERROR) {
        error = GifError(gif->Error, "cannot write the GIF screen");
        return false;
    }
    for (const GifImage& im : doc.images) {
        for (const auto& ext : im.extensions)
            PutExtension(gif.get(), ext);
        if (im.gcb) {
            GifByteType bytes[4];
            EGifGCBToExtension(&*im.gcb, bytes);
            EGifPutExtension(gif.get(), GRAPHICS_EXT_FUNC_CODE, 4, bytes);
        }
        auto local = im.localMap.empty() ? std::unique_ptr<ColorMapObject, void (*)(ColorMapObject*)>(nullptr, GifFreeMapObject)
                                         : MakeMap(im.localMap);
        if (!local && !global) {
            error = "GIF frame without colours";
            return false;
        }
        if (EGifPutImageDesc(gif.get(), im.left, im.top, im.width, im.height, false, local.get()) == GIF_ERROR) {
            error = GifError(gif->Error, "cannot write a GIF image");
            return false;
        }
        for (int y = 0; y < im.height; ++y) {
            auto* row = const_cast<GifPixelType*>(im.raster.data() + static_cast<std::size_t>(y) * static_cast<std::size_t>(im.width));
            if (EGifPutLine(gif.get(), row, im.width) == GIF_ERROR) {
                error = GifError(gif->Error, "cannot write GIF pixels");
                return false;
            }
        }
    }
    for (const auto& ext : doc.trailing)
        PutExtension(gif.get(), ext);
    GifFileType* raw = gif.release();
    if (EGifCloseFile(raw, &err) == GIF_ERROR) {
        error = GifError(err, "cannot finish the GIF");
        return false;
    }
    return true;
}

// Colour table and indexes of one frame. Transparent pixels (alpha < 128) take a
// reserved last index when there are any.
struct Indexed {
    std::vector<GifColorType> colours;
    std::vector<std::uint8_t> indexes;
    int transparentIndex = -1;
};

bool IndexFrame(const TUVApicture& pic, const PictureFrame& frame, Indexed& result, std::string& error)
{
    const std::size_t n = static_cast<std::size_t>(pic.Width()) * static_cast<std::size_t>(pic.Height());
    bool needTransparent = false;
    std::map<std::uint32_t, std::uint8_t> exact;
    bool tooMany = false;
    for (std::size_t i = 0; i < n; ++i) {
        const std::uint8_t* p = frame.rgba.data() + i * 4;
        if (p[3] < 128) {
            needTransparent = true;
            continue;
        }
        if (!tooMany) {
            const std::uint32_t rgb = (std::uint32_t{p[0]} << 16) | (std::uint32_t{p[1]} << 8) | p[2];
            if (exact.emplace(rgb, 0).second && exact.size() > 256)
                tooMany = true;
        }
    }
    const std::size_t capacity = needTransparent ? 255 : 256;
    result.indexes.assign(n, 0);
    if (!tooMany && exact.size() <= capacity) {
        std::uint8_t next = 0;
        for (auto& [rgb, index] : exact) {
            index = next++;
            result.colours.push_back(GifColorType{static_cast<GifByteType>(rgb >> 16), static_cast<GifByteType>(rgb >> 8),
                                                  static_cast<GifByteType>(rgb)});
        }
        for (std::size_t i = 0; i < n; ++i) {
            const std::uint8_t* p = frame.rgba.data() + i * 4;
            if (p[3] >= 128)
                result.indexes[i] = exact[(std::uint32_t{p[0]} << 16) | (std::uint32_t{p[1]} << 8) | p[2]];
        }
    } else {
        // Median-cut reduction of the opaque colours.
        std::vector<GifByteType> r(n), g(n), b(n);
        for (std::size_t i = 0; i < n; ++i) {
            r[i] = frame.rgba[i * 4];
            g[i] = frame.rgba[i * 4 + 1];
            b[i] = frame.rgba[i * 4 + 2];
        }
        int mapSize = static_cast<int>(capacity);
        std::vector<GifColorType> map(256);
        if (GifQuantizeBuffer(static_cast<unsigned>(pic.Width()), static_cast<unsigned>(pic.Height()), &mapSize,
                              r.data(), g.data(), b.data(), result.indexes.data(), map.data()) == GIF_ERROR) {
            error = "colour reduction failed";
            return false;
        }
        mapSize = std::clamp(mapSize, 1, static_cast<int>(capacity));
        result.colours.assign(map.begin(), map.begin() + mapSize);
        for (auto& idx : result.indexes)
            idx = static_cast<std::uint8_t>(std::min<int>(idx, mapSize - 1));
    }
    if (needTransparent) {
        result.transparentIndex = static_cast<int>(result.colours.size());
        result.colours.push_back(GifColorType{0, 0, 0});
        for (std::size_t i = 0; i < n; ++i) {
            if (frame.rgba[i * 4 + 3] < 128)
                result.indexes[i] = static_cast<std::uint8_t>(result.transparentIndex);
        }
    }
    if (result.colours.size() < 2)
        result.colours.push_back(GifColorType{0, 0, 0});
    return true;
}

} // namespace

bool DecodeGif(std::span<const std::uint8_t> bytes, TUVApicture& out, std::string& error)
{
    GifDocument doc;
    if (!ReadGifDocument(bytes, doc, error))
        return false;
    TUVApicture pic(PictureFormat::Gif, doc.width, doc.height);
    if (pic.IsEmpty()) {
        error = "GIF screen too large";
        return false;
    }
    pic.Frames().clear();
    const std::size_t W = static_cast<std::size_t>(doc.width);
    const std::size_t H = static_cast<std::size_t>(doc.height);
    std::vector<std::uint8_t> canvas(W * H * 4, 0);
    std::vector<std::uint8_t> saved;
    for (std::size_t f = 0; f < doc.images.size(); ++f) {
        const GifImage& im = doc.images[f];
        const std::vector<GifColorType>& map = im.localMap.empty() ? doc.globalMap : im.localMap;
        const int transparent = im.gcb ? im.gcb->TransparentColor : NO_TRANSPARENT_COLOR;
        const int disposal = im.gcb ? im.gcb->DisposalMode : DISPOSAL_UNSPECIFIED;
        if (f == 0)
            pic.SetTransparent(transparent != NO_TRANSPARENT_COLOR);
        if (disposal == DISPOSE_PREVIOUS)
            saved = canvas;
        // The image's rectangle clipped to the screen.
        const int x0 = std::max(im.left, 0), y0 = std::max(im.top, 0);
        const int x1 = std::min(im.left + im.width, doc.width), y1 = std::min(im.top + im.height, doc.height);
        for (int y = y0; y < y1; ++y) {
            for (int x = x0; x < x1; ++x) {
                const std::size_t src = static_cast<std::size_t>(y - im.top) * static_cast<std::size_t>(im.width) +
                                        static_cast<std::size_t>(x - im.left);
                const int index = im.raster[src];
                if (index == transparent || index >= static_cast<int>(map.size()))
                    continue;   // transparent, or an index the colour table lacks
                std::uint8_t* p = canvas.data() + (static_cast<std::size_t>(y) * W + static_cast<std::size_t>(x)) * 4;
                p[0] = map[static_cast<std::size_t>(index)].Red;
                p[1] = map[static_cast<std::size_t>(index)].Green;
                p[2] = map[static_cast<std::size_t>(index)].Blue;
                p[3] = 0xFF;
            }
        }
        if (W * H * 4 * (pic.Frames().size() + 1) > TUVApicture::kMaxTotalBytes)
            break;   // keep the frames that fit
        PictureFrame frame;
        frame.rgba = canvas;
        frame.delayMs = im.gcb ? im.gcb->DelayTime * 10 : 0;
        pic.Frames().push_back(std::move(frame));
        if (disposal == DISPOSE_BACKGROUND) {
            for (int y = y0; y < y1; ++y)
                std::fill_n(canvas.begin() + static_cast<std::ptrdiff_t>((static_cast<std::size_t>(y) * W + static_cast<std::size_t>(x0)) * 4),
                            static_cast<std::size_t>(std::max(x1 - x0, 0)) * 4, std::uint8_t{0});
        } else if (disposal == DISPOSE_PREVIOUS && !saved.empty()) {
            canvas.swap(saved);
        }
    }
    out = std::move(pic);
    return true;
}

bool EncodeGif(const TUVApicture& picture, std::vector<std::uint8_t>& out, std::string& error)
{
    if (picture.IsEmpty() || picture.Frames().empty()) {
        error = "empty picture";
        return false;
    }
    GifDocument doc;
    doc.width = picture.Width();
    doc.height = picture.Height();
    const bool animated = picture.FrameCount() > 1;
    for (std::size_t f = 0; f < picture.Frames().size(); ++f) {
        const PictureFrame& frame = picture.Frames()[f];
        Indexed indexed;
        if (!IndexFrame(picture, frame, indexed, error))
            return false;
        GifImage im;
        im.width = doc.width;
        im.height = doc.height;
        im.raster = std::move(indexed.indexes);
        if (f == 0)
            doc.globalMap = std::move(indexed.colours);
        else
            im.localMap = std::move(indexed.colours);
        if (indexed.transparentIndex >= 0 || animated) {
            GraphicsControlBlock gcb{};
            // Frames cover the whole picture: clearing each one before the next
            // keeps a later frame's transparent pixels from showing an earlier frame.
            gcb.DisposalMode = animated ? DISPOSE_BACKGROUND : DISPOSE_DO_NOT;
            gcb.UserInputFlag = false;
            gcb.DelayTime = std::clamp(frame.delayMs / 10, 0, 65535);
            gcb.TransparentColor = indexed.transparentIndex >= 0 ? indexed.transparentIndex : NO_TRANSPARENT_COLOR;
            im.gcb = gcb;
        }
        if (f == 0 && animated) {
            ExtensionBlock loop;
            loop.function = APPLICATION_EXT_FUNC_CODE;
            const char* id = "NETSCAPE2.0";
            loop.subBlocks.emplace_back(id, id + 11);
            loop.subBlocks.push_back({1, 0, 0});   // loop for ever
            im.extensions.push_back(std::move(loop));
        }
        doc.images.push_back(std::move(im));
    }
    return WriteGifDocument(doc, out, error);
}

bool SetGifTransparency(std::span<const std::uint8_t> bytes, bool on, std::vector<std::uint8_t>& out,
                        std::string& error)
{
    GifDocument doc;
    if (!ReadGifDocument(bytes, doc, error))
        return false;
    for (GifImage& im : doc.images) {
        if (!im.gcb) {
            if (!on)
                continue;   // no extension means no transparency already
            GraphicsControlBlock gcb{};
            gcb.DisposalMode = DISPOSAL_UNSPECIFIED;
            gcb.DelayTime = 0;
            gcb.TransparentColor = NO_TRANSPARENT_COLOR;
            im.gcb = gcb;
        }
        if (on) {
            const std::size_t bottomLeft = static_cast<std::size_t>(im.height - 1) * static_cast<std::size_t>(im.width);
            im.gcb->TransparentColor = im.raster[bottomLeft];
        } else {
            im.gcb->TransparentColor = NO_TRANSPARENT_COLOR;
        }
    }
    return WriteGifDocument(doc, out, error);
}

} // namespace quor
