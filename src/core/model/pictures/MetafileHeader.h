// MetafileHeader.h: Windows metafiles (.wmf, placeable or not, and .emf) are
// kept and exported as they are; the core reads only their size from the header.
//   placeable WMF: u32 0x9AC6CDD7, u16 handle, i16 left, top, right, bottom, u16 units per inch
//   EMF: u32 record type 1, u32 size, i32 bounds[4] (pixels), i32 frame[4], " EMF" at 40
#pragma once

#include "model/pictures/TUVApicture.h"

#include <cstdint>
#include <span>
#include <string>

namespace quor {

bool IsMetafile(std::span<const std::uint8_t> bytes);

// A picture of format Metafile with the header's size and no frames.
bool DecodeMetafileHeader(std::span<const std::uint8_t> bytes, TUVApicture& out, std::string& error);

} // namespace quor
