// FrameMapTree.cpp: reading a frame map for the export.
#include "conversion/FrameMapTree.h"

#include <algorithm>
#include <functional>

namespace quor {

namespace {

constexpr std::size_t kFullRecord = 58;
constexpr std::size_t kMinimumRecord = 38; // id, parent, name, flags and page
constexpr int kMaxDepth = 64;

std::int32_t I32(const std::uint8_t* p) { return static_cast<std::int32_t>(p[0] | (p[1] << 8) | (p[2] << 16) | (static_cast<std::uint32_t>(p[3]) << 24)); }

FrameNode ReadRecord(const std::uint8_t* p, std::size_t size)
{
    std::uint8_t full[kFullRecord] = {};
    std::copy(p, p + std::min(size, kFullRecord), full);
    FrameNode n;
    n.id = I32(full);
    n.parent = I32(full + 4);
    const std::size_t len = std::min<std::size_t>(full[8], 19);
    n.name.assign(reinterpret_cast<const char*>(full + 9), len);
    n.placement = full[28];
    n.scrolling = full[31] != 0;
    n.resizable = full[33] != 0;
    n.page = I32(full + 34);
    if (size >= kFullRecord) {
        n.percent = I32(full + 38);
        n.border = full[51] != 0;
        n.pixels = I32(full + 52);
        n.spacing = full[56];
        n.sizeKind = full[57];
    } else {
        // Older records: the defaults, without border and spacing when both old
        // border flags were clear.
        if (size >= 42)
            n.percent = I32(full + 38);
        const bool oldFlags = full[29] != 0 || full[30] != 0;
        n.border = oldFlags;
        n.spacing = oldFlags ? 3 : 0;
        n.pixels = 20;
        n.sizeKind = 0;
    }
    return n;
}

} // namespace

std::unique_ptr<FrameNode> FrameMapTree::Read(std::span<const std::uint8_t> data, std::int32_t recordSize)
{
    if (recordSize < static_cast<std::int32_t>(kMinimumRecord) || recordSize > 4096)
        recordSize = static_cast<std::int32_t>(kFullRecord);
    const auto size = static_cast<std::size_t>(recordSize);
    std::vector<FrameNode> all;
    for (std::size_t off = 0; off + size <= data.size(); off += size)
        all.push_back(ReadRecord(data.data() + off, size));
    if (all.empty())
        return nullptr;
    std::vector<bool> used(all.size(), false);
    std::function<std::unique_ptr<FrameNode>(std::size_t, int)> build = [&](std::size_t index, int depth) {
        used[index] = true;
        auto node = std::make_unique<FrameNode>(std::move(all[index]));
        if (depth < kMaxDepth) {
            for (std::size_t k = 0; k < all.size(); ++k) {
                if (!used[k] && all[k].parent == node->id && k != index)
                    node->children.push_back(build(k, depth + 1));
            }
        }
        return node;
    };
    std::size_t root = 0;
    for (std::size_t k = 0; k < all.size(); ++k) {
        if (all[k].parent == -1) {
            root = k;
            break;
        }
    }
    return build(root, 0);
}

} // namespace quor
