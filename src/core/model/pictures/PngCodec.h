// PngCodec.h: PNG pictures through libpng (any colour type and depth, decoded to
// RGBA), and writing a picture's first frame as an RGBA PNG.
#pragma once

#include "model/pictures/TUVApicture.h"

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace quor {

bool DecodePng(std::span<const std::uint8_t> bytes, TUVApicture& out, std::string& error);
bool EncodePng(const TUVApicture& picture, std::vector<std::uint8_t>& out, std::string& error);

} // namespace quor
