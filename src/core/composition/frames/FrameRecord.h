// FrameRecord.h: the stored form of one frame (58 bytes, little-endian).
//
// Compatibility: this layout is stored in frame-map objects (kind 9) and in
// frameset layout files (".frm"); every offset below is part of the format.
//
// | Off | Width | Field                                                        |
// |   0 | i32   | frame id (unique within the map)                             |
// |   4 | i32   | parent frame id; -1 for the root                             |
// |   8 | 20    | name: length byte + up to 19 characters                      |
// |  28 | u8    | placement kind: 0 top, 1 left, 3 rest below, 5 rest right    |
// |     |       | (2 behaves as 0, 4 as 1)                                     |
// |  29 | u8    | reserved (old border flag)                                   |
// |  30 | u8    | reserved (old border flag)                                   |
// |  31 | u8    | scrolling: 1 scroll bars as needed, 0 none                   |
// |  32 | u8    | has children                                                 |
// |  33 | u8    | resizable in read-only mode                                  |
// |  34 | i32   | page shown (page ObjectRef), -1 none                         |
// |  38 | i32   | size in percent of the parent's free length                  |
// |  42 | i32   | reserved                                                     |
// |  46 | i32   | colour of splitter and border                                |
// |  50 | u8    | reserved                                                     |
// |  51 | u8    | border: 0 none, 1 single line                                |
// |  52 | i32   | size in pixels                                               |
// |  56 | u8    | frame spacing (splitter width after the frame)               |
// |  57 | u8    | size kind: 0 percent, 1 pixels, 2 the rest ("*")             |
#pragma once

#include "base/ByteWriter.h"

#include <cstdint>
#include <span>
#include <string>

namespace quor {

// System colour "button face" as a colour value.
inline constexpr std::int32_t kButtonFaceColour = static_cast<std::int32_t>(0x8000000F);

enum FrameSizeKind : std::uint8_t { fsPercent = 0, fsPixels = 1, fsRest = 2 };

struct FrameRecord {
    static constexpr int kSize = 58;
    static constexpr std::size_t kNameCap = 19;

    std::int32_t id = 0;
    std::int32_t parentId = -1;
    std::string name;
    std::uint8_t placement = 0;
    std::uint8_t reserved29 = 0;
    std::uint8_t reserved30 = 0;
    std::uint8_t scrolling = 1;
    std::uint8_t hasChildren = 0;
    std::uint8_t resizable = 0;
    std::int32_t page = -1;
    std::int32_t percent = 100;
    std::int32_t reserved42 = 0;
    std::int32_t colour = kButtonFaceColour;
    std::uint8_t reserved50 = 0;
    std::uint8_t border = 1;
    std::int32_t pixels = 20;
    std::uint8_t spacing = 3;
    std::uint8_t sizeKind = fsPercent;

    // Placement kinds 1, 4 and 5 split their children into rows, others into columns.
    bool SplitsRows() const { return placement == 1 || placement == 4 || placement == 5; }

    // Reads one record of `recordSize` bytes from `bytes` (which must hold at
    // least that many; the caller checks). A record shorter than 58 bytes is
    // read as far as it goes and then takes the defaults of older maps: size
    // kind percent, 20 pixels, border 1, spacing 3, button-face colour, except
    // border and spacing 0 when both old flag bytes were 0; the old flag bytes
    // are then cleared. Bytes beyond 58 are ignored.
    static FrameRecord Read(std::span<const std::uint8_t> bytes);

    // Appends the 58-byte form.
    void Write(ByteWriter& out) const;
};

// "Frame" + 6 upper-case hexadecimal digits of `n`.
std::string NewFrameName(std::uint32_t n);

// "Pag" + the page number.
std::string PageFrameName(int page);

} // namespace quor
