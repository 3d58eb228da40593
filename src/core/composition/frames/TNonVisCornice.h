// TNonVisCornice.h: a frame tree without windows: one frame record and its child
// frames, read from and written to the stored frame map (the records depth
// first: a frame, then each child's subtree in order). The page editor builds
// its frame controls from it and the web export writes the frame-set text.
#pragma once

#include "base/ByteWriter.h"
#include "composition/frames/FrameRecord.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <span>
#include <string>
#include <vector>

namespace quor {

class TUVAset;

// Deepest nesting a map may have; deeper records are ignored, so that every
// walk of a tree read from a damaged file stays shallow.
inline constexpr int kMaxFrameDepth = 64;

class TNonVisCornice {
public:
    FrameRecord record;
    std::vector<std::unique_ptr<TNonVisCornice>> children;
    TUVAset* set = nullptr;   // the hypertext the frames show pages of (may be null)

    bool IsLeaf() const { return children.empty(); }

    // Reads a frame map of records of `recordSize` bytes. A record is a child of
    // the frame being read when its parent id equals that frame's id; records
    // after the root's subtree are ignored, as is a partial record at the end
    // and any record nested deeper than kMaxFrameDepth.
    // Null when there is not one whole record or the record size is not positive.
    static std::unique_ptr<TNonVisCornice> ReadMap(std::span<const std::uint8_t> data, std::int32_t recordSize);

    // Appends the records of the tree, depth first, in the 58-byte form. Each
    // record's parent id and has-children byte are written from the tree itself.
    void WriteMap(ByteWriter& out) const;
    std::vector<std::uint8_t> MapBytes() const;

    // Number of frames in the tree (this one included).
    int FrameCount() const;
    // Leaves, depth first.
    std::vector<const TNonVisCornice*> Leaves() const;
    std::vector<TNonVisCornice*> Leaves();

    // The HTML frame-set text: a split frame writes "<FRAMESET ROWS=" or
    // "COLS=" with its children's sizes, then the children, then "</FRAMESET>";
    // a leaf writes its "<FRAME ...>" line. `pageFile` names the exported file
    // of a page reference; without it the page is written as "$" + 8 hex
    // digits. A leaf for which `pageFile` gives an empty name (its page is
    // missing or deleted) is left out and not counted as met. Every page met
    // is appended to `pagesMet` when given.
    std::string FrameSetHtml(const std::function<std::string(std::int32_t)>& pageFile = {},
                             std::vector<std::int32_t>* pagesMet = nullptr) const;

private:
    void WriteNode(ByteWriter& out, std::int32_t parentId) const;
    void Html(std::string& out, const std::function<std::string(std::int32_t)>& pageFile,
              std::vector<std::int32_t>* pagesMet) const;
};

} // namespace quor
