// BoxNavigation.h: caret moves within a box's own text. Each takes a position
// and gives the new one, or an exit code when the move would leave the own
// text (1 left, 2 right, 3 up, 4 down) or enter a table's paragraph (5 left,
// 6 right, 7 up, 8 down); with an exit code the position is the old one.
#pragma once

#include "textengine/TCaretPos.h"
#include "textengine/TUVAboxModel.h"

namespace quor {

enum class NavKey { Left, Right, Up, Down, PageUp, PageDown, Home, End };

enum ExitCode : int {
    kExitNone = 0,
    kExitLeft = 1,
    kExitRight = 2,
    kExitUp = 3,
    kExitDown = 4,
    kExitTableLeft = 5,
    kExitTableRight = 6,
    kExitTableUp = 7,
    kExitTableDown = 8,
};

struct NavResult {
    TCaretPos pos;
    int exitCode = kExitNone;
};

// The word a double click selects: from `start` to `end` (document order).
struct WordBounds {
    TCaretPos start;
    TCaretPos end;
};

class BoxNavigation {
public:
    explicit BoxNavigation(const TUVAboxModel& box) : m_box(box) {}

    // The move a key makes (Ctrl variants: word left/right, paragraph up/down,
    // start/end of the own text).
    NavResult Move(const TCaretPos& from, NavKey key, bool ctrl) const;

    NavResult Left(const TCaretPos& p) const;
    NavResult Right(const TCaretPos& p) const;
    NavResult Up(const TCaretPos& p) const;
    NavResult Down(const TCaretPos& p) const;
    NavResult ParagraphUp(const TCaretPos& p) const;
    NavResult ParagraphDown(const TCaretPos& p) const;
    NavResult Page(const TCaretPos& p, bool down) const; // eleven line moves
    NavResult Home(const TCaretPos& p) const;
    NavResult End(const TCaretPos& p) const;
    NavResult TextStart() const;
    NavResult TextEnd() const;
    NavResult WordLeft(const TCaretPos& p) const;
    NavResult WordRight(const TCaretPos& p) const;

    // The word around character `index` of paragraph `para` (the character
    // under the pointer). The start is found as by WordLeft, except that the
    // first step back is taken only over a word character and the start never
    // leaves the paragraph; the end steps over word characters and then over
    // spaces only (other separators stay out). Only a position at the
    // paragraph's end reaches on to the start of the next own paragraph.
    WordBounds WordAt(int para, int index) const;

    // Word separators: 0x20-0x22, 0x27-0x2F, 0x3A-0x3F, 0x7B-0x7E, 0x93, 0x94.
    static bool IsSeparator(unsigned char c);

private:
    NavResult Stay(const TCaretPos& p, int code) const { return NavResult{p, code}; }
    NavResult At(int para, int index, int line = -1) const { return NavResult{m_box.CaretAt(para, index, line), kExitNone}; }
    // Exit code for entering paragraph `para` from a move in direction `dir`
    // (1..4), or 0 when the paragraph can be entered.
    int Blocked(int para, int dir) const;

    const TUVAboxModel& m_box;
};

} // namespace quor
