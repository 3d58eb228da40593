// TCaretPos.h: a caret position in a text box and where it shows.
#pragma once

namespace quor {

struct TCaretPos {
    int paragraph = -1; // index of the paragraph in the box
    int line = 0;       // index of the line in the paragraph
    int index = 0;      // character index, 0..length; the caret stands before that character
    int y = 0;          // top of the line, box coordinates
    int height = 0;     // line height
    int x = 0;          // x of the caret
    int rightX = 0;     // right edge of the character at the position (hit testing)

    bool SamePlace(const TCaretPos& o) const { return paragraph == o.paragraph && index == o.index; }
    // Document order of positions.
    bool Before(const TCaretPos& o) const
    {
        return paragraph < o.paragraph || (paragraph == o.paragraph && index < o.index);
    }
};

} // namespace quor
