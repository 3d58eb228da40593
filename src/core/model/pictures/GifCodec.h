// GifCodec.h: GIF pictures through giflib: reading every frame of an animation
// with its delay and transparency, writing (with a transparent colour and frame
// delays), and switching the transparency of an existing GIF file's bytes.
#pragma once

#include "model/pictures/TUVApicture.h"

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace quor {

// Decodes a GIF into composed full-size RGBA frames. The picture's transparency
// flag is the first frame's graphic-control transparency flag.
bool DecodeGif(std::span<const std::uint8_t> bytes, TUVApicture& out, std::string& error);

// Writes a picture as a GIF89a: pixels with alpha below 128 become a reserved
// transparent colour; more than 256 colours are reduced to a 256-colour palette.
// Several frames are written with their delays and a looping extension.
bool EncodeGif(const TUVApicture& picture, std::vector<std::uint8_t>& out, std::string& error);

// Rewrites a GIF so that every frame has a graphic-control extension with the
// transparency flag set (`on`; the transparent colour is the colour index of the
// frame's bottom-left pixel) or cleared. Pixels and delays are kept.
bool SetGifTransparency(std::span<const std::uint8_t> bytes, bool on, std::vector<std::uint8_t>& out,
                        std::string& error);

} // namespace quor
