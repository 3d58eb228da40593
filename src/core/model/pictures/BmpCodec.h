// BmpCodec.h: Windows bitmaps, read by hand: core and info headers up to version
// 5, 1/4/8/16/24/32 bits per pixel, RLE4/RLE8 and bit-field layouts, bottom-up or
// top-down rows; written as 24-bit bottom-up bitmaps.
//
// File layout read here (little-endian):
//   0 "BM"   2 u32 file size   10 u32 offset of the pixel rows
//   14 u32 header size: 12 (core: u16 width, u16 height, u16 planes, u16 bits)
//      or 40..124 (i32 width, i32 height (negative = top-down), u16 planes,
//      u16 bits, u32 compression, u32 image size, i32 x/y pixels per metre,
//      u32 colours used, u32 important; from 52 on the r/g/b(/a) masks at 54)
//   then the colour masks (compression 3/6 with a 40-byte header) and the
//   palette (3-byte entries after a core header, 4-byte entries otherwise).
#pragma once

#include "model/pictures/TUVApicture.h"

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace quor {

bool DecodeBmp(std::span<const std::uint8_t> bytes, TUVApicture& out, std::string& error);

// The first frame as a 24-bit bitmap; pixels that are not opaque are composed over white.
bool EncodeBmp(const TUVApicture& picture, std::vector<std::uint8_t>& out, std::string& error);

} // namespace quor
