// TCharRec.h: the record kept for every character position of a paragraph,
// plus one for the paragraph's end.
#pragma once

#include <cstdint>

namespace quor {

struct TCharRec {
    std::int32_t width = 0;    // advance width in pixels (object: its width)
    std::int32_t height = 0;   // text height of the character's font (object: its height)
    std::int32_t ascent = 0;   // ascent of the font; for objects set by layout
    std::int32_t runFont = -1; // index into the paragraph's run fonts where the font changes, else -1
    std::int32_t object = -1;  // index into the paragraph's embedded objects, else -1
    std::int32_t link = -1;    // link value in force here, else -1 (every record carries it)
    std::int32_t spare = 0;    // not interpreted

    bool operator==(const TCharRec&) const = default;
};

} // namespace quor
