#include "model/pictures/PictureDecoder.h"

#include "model/pictures/BmpCodec.h"
#include "model/pictures/GifCodec.h"
#include "model/pictures/JpegCodec.h"
#include "model/pictures/MetafileHeader.h"
#include "model/pictures/PngCodec.h"

#include <cstring>

namespace quor {

PictureFormat SniffPictureFormat(std::span<const std::uint8_t> b)
{
    auto starts = [&](std::initializer_list<std::uint8_t> sig) {
        return b.size() >= sig.size() && std::equal(sig.begin(), sig.end(), b.begin());
    };
    if (starts({'G', 'I', 'F', '8'}))
        return PictureFormat::Gif;
    if (starts({0xFF, 0xD8, 0xFF}))
        return PictureFormat::Jpeg;
    if (starts({0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A}))
        return PictureFormat::Png;
    if (starts({'B', 'M'}))
        return PictureFormat::Bmp;
    if (IsMetafile(b))
        return PictureFormat::Metafile;
    return PictureFormat::None;
}

bool DecodePicture(std::span<const std::uint8_t> bytes, TUVApicture& out, std::string& error)
{
    out = TUVApicture();
    bool ok = false;
    switch (SniffPictureFormat(bytes)) {
    case PictureFormat::Gif: ok = DecodeGif(bytes, out, error); break;
    case PictureFormat::Jpeg: ok = DecodeJpeg(bytes, out, error); break;
    case PictureFormat::Png: ok = DecodePng(bytes, out, error); break;
    case PictureFormat::Bmp: ok = DecodeBmp(bytes, out, error); break;
    case PictureFormat::Metafile: ok = DecodeMetafileHeader(bytes, out, error); break;
    case PictureFormat::None: error = "not a picture file"; break;
    }
    if (!ok)
        out = TUVApicture();
    return ok;
}

} // namespace quor
