// TUVAline.h: one laid-out line of a paragraph (pure data; layout fills it).
#pragma once

#include <cstdint>

namespace quor {

class TUVAparag;

struct TUVAline {
    TUVAparag* paragraph = nullptr; // owning paragraph
    std::int32_t start = 0;         // index of the first character in the paragraph text
    std::int32_t count = 0;         // number of characters on the line
    std::int32_t ascent = 0;        // largest ascent of the line's characters
    std::int32_t height = 0;        // line height
    std::int32_t y = 0;             // top, relative to the paragraph's content top
    std::int32_t alignOffset = 0;   // extra x from right or centred alignment
    std::int32_t indentOffset = 0;  // x of the line start
    std::int32_t usedWidth = 0;     // width taken by the line's characters
};

} // namespace quor
