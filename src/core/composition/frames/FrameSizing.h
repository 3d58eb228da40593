// FrameSizing.h: how a split frame shares its length among its children.
#pragma once

#include <vector>

namespace quor {

struct FrameSizeInput {
    int sizeKind = 0;   // 0 percent, 1 pixels, 2 the rest; anything else counts 10 pixels
    int percent = 100;
    int pixels = 20;
    int oldSize = 0;    // current length, kept by a rest frame when nothing is left
    int spacing = 3;    // splitter after this child (the last child's is not used)
};

struct FrameSizeResult {
    std::vector<int> sizes;     // length of each child in pixels
    std::vector<int> percents;  // percent of each child (recomputed for pixel children)
    int freeLength = 0;
};

// Lays out the children along `length`: the free length is `length` minus the
// splitters between the children; every child but the last takes its percent or
// its pixels; a rest ("*") child takes what those leave when that is positive;
// the last child fills what remains (never below 0).
FrameSizeResult ShareFrameLength(const std::vector<FrameSizeInput>& children, int length);

// Percent of the free length a frame of `size` pixels takes (rounded).
int PercentOf(int size, int freeLength);

} // namespace quor
