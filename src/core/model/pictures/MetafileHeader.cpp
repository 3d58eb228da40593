#include "model/pictures/MetafileHeader.h"

#include "base/ByteReader.h"

#include <algorithm>
#include <cstdlib>

namespace quor {

namespace {

constexpr std::uint32_t kPlaceableKey = 0x9AC6CDD7;

bool IsEmf(std::span<const std::uint8_t> b)
{
    return b.size() >= 44 && b[0] == 1 && b[1] == 0 && b[2] == 0 && b[3] == 0 && b[40] == ' ' && b[41] == 'E' &&
           b[42] == 'M' && b[43] == 'F';
}

bool IsPlaceable(std::span<const std::uint8_t> b)
{
    ByteReader in(b);
    const auto key = in.U32();
    return key && *key == kPlaceableKey;
}

// A plain WMF starts with a 9-word header: type 1 or 2, header size 9, version 0x100/0x300.
bool IsPlainWmf(std::span<const std::uint8_t> b)
{
    ByteReader in(b);
    const auto type = in.U16(), size = in.U16(), version = in.U16();
    return type && size && version && (*type == 1 || *type == 2) && *size == 9 &&
           (*version == 0x100 || *version == 0x300);
}

} // namespace

bool IsMetafile(std::span<const std::uint8_t> bytes)
{
    return IsPlaceable(bytes) || IsEmf(bytes) || IsPlainWmf(bytes);
}

bool DecodeMetafileHeader(std::span<const std::uint8_t> bytes, TUVApicture& out, std::string& error)
{
    std::int64_t width = 0, height = 0;
    ByteReader in(bytes);
    if (IsPlaceable(bytes)) {
        in.Skip(6);
        const auto left = in.I16(), top = in.I16(), right = in.I16(), bottom = in.I16();
        const auto inch = in.U16();
        if (!left || !top || !right || !bottom || !inch || *inch == 0) {
            error = "damaged metafile header";
            return false;
        }
        // Shown at 96 pixels per inch.
        width = std::llabs(static_cast<std::int64_t>(*right) - *left) * 96 / *inch;
        height = std::llabs(static_cast<std::int64_t>(*bottom) - *top) * 96 / *inch;
    } else if (IsEmf(bytes)) {
        in.Skip(8);
        const auto left = in.I32(), top = in.I32(), right = in.I32(), bottom = in.I32();
        if (!left || !top || !right || !bottom) {
            error = "damaged metafile header";
            return false;
        }
        width = std::llabs(static_cast<std::int64_t>(*right) - *left) + 1;
        height = std::llabs(static_cast<std::int64_t>(*bottom) - *top) + 1;
    } else if (IsPlainWmf(bytes)) {
        width = height = 100;   // no size in the file: a default box
    } else {
        error = "not a metafile";
        return false;
    }
    width = std::clamp<std::int64_t>(width, 1, 32767);
    height = std::clamp<std::int64_t>(height, 1, 32767);
    out = TUVApicture::SizeOnly(PictureFormat::Metafile, static_cast<int>(width), static_cast<int>(height));
    return true;
}

} // namespace quor
