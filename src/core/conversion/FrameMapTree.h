// FrameMapTree.h: the frame layout of a page read, without any window, from
// its frame-map object (kind 9) for the web export.
//
// Frame record (little-endian; the map object's record gives its size, 58
// when written; shorter older records are read as far as they go):
//   0 i32 frame id          4 i32 parent id (-1 root)   8 u8 + 19 name
//   28 u8 placement kind    29, 30 u8 old border flags  31 u8 scrolling
//   32 u8 has children      33 u8 resizable             34 i32 page shown
//   38 i32 size in percent  46 i32 colour               51 u8 border
//   52 i32 size in pixels   56 u8 frame spacing         57 u8 size kind
// Records are stored depth first; a record is a child of the frame whose id
// its parent id names.
#pragma once

#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <vector>

namespace quor {

struct FrameNode {
    std::int32_t id = 0;
    std::int32_t parent = -1;
    std::string name;
    std::uint8_t placement = 0;
    bool scrolling = true;
    bool resizable = false;
    std::int32_t page = -1;
    std::int32_t percent = 100;
    bool border = true;
    std::int32_t pixels = 20;
    std::uint8_t spacing = 3;
    std::uint8_t sizeKind = 0;   // 0 percent, 1 pixels, 2 the rest ("*")
    std::vector<std::unique_ptr<FrameNode>> children;

    // Children split into rows (placement kinds 1, 4 and 5).
    bool SplitsRows() const { return placement == 1 || placement == 4 || placement == 5; }
};

class FrameMapTree {
public:
    // Reads the records; null when there is no complete record or no root.
    // Ids that repeat or form cycles never make a frame appear twice.
    static std::unique_ptr<FrameNode> Read(std::span<const std::uint8_t> data, std::int32_t recordSize);
};

} // namespace quor
