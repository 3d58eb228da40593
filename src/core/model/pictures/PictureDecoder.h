// PictureDecoder.h: recognises a picture file by its first bytes and decodes it
// with the matching codec. All input is untrusted: bad bytes give false and a
// reason, never a crash.
#pragma once

#include "model/pictures/TUVApicture.h"

#include <span>
#include <string>

namespace quor {

// Format told by the file's signature; None when unknown.
PictureFormat SniffPictureFormat(std::span<const std::uint8_t> bytes);

// Decodes any supported picture into `out` (replaced). False with `error` set on failure.
bool DecodePicture(std::span<const std::uint8_t> bytes, TUVApicture& out, std::string& error);

} // namespace quor
