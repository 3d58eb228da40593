// WordSelection.h: the word a double click selects. The start is found as a
// word-left move, taking its first step back only over a word character; the
// end steps over the word's characters and then over spaces only (other
// separators stay out), and at the paragraph's end it is the start of the
// next own paragraph. Works on the box model alone.
#pragma once

#include "textengine/TUVAboxModel.h"

namespace quor {

struct WordRange {
    int startParagraph = 0;
    int startIndex = 0;
    int endParagraph = 0;
    int endIndex = 0;
};

class WordSelection {
public:
    // Word around character `index` of paragraph `para` (the character under the pointer).
    static WordRange WordAt(const TUVAboxModel& box, int para, int index);
    static bool IsWordChar(unsigned char c);
};

} // namespace quor
