// JpegCodec.h: JPEG pictures through libjpeg: decoding (grey, RGB and CMYK files)
// to RGBA, and encoding a picture's first frame (alpha is dropped onto white).
#pragma once

#include "model/pictures/TUVApicture.h"

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace quor {

bool DecodeJpeg(std::span<const std::uint8_t> bytes, TUVApicture& out, std::string& error);

// `quality` 1..100.
bool EncodeJpeg(const TUVApicture& picture, std::vector<std::uint8_t>& out, std::string& error, int quality = 90);

} // namespace quor
