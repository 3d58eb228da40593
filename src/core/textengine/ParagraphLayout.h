// ParagraphLayout.h: breaks one paragraph into lines (TUVAline) within a text
// width and places it vertically. Works only on the measured character records,
// so the screen and the printer lay out the same paragraph with their own metrics.
#pragma once

#include "textengine/IObjectLayout.h"
#include "textengine/TUVAparag.h"

namespace quor {

// The box data that paragraph layout reads and updates.
struct BoxLayoutState {
    int textWidth = 20;    // width lines are broken to
    int cellPadding = 0;   // added to the left and right indents in table cells
    int widestNeeded = 20; // largest width any line needed; at least textWidth after a full layout
};

// A paragraph's measures in pixels, as layout applies them.
struct ParagraphMeasures {
    int left = 0;        // l, cell padding included
    int right = 0;       // r, cell padding included
    int firstIndent = 0; // I as set
    int effectiveFirst = 0; // I, but 0 when numbering is on and I is negative
    int spaceAbove = 0;
    int spaceBelow = 0;
    int lineHeight = 0;  // fixed line height; <= 0 automatic
    int alignment = 0;   // 0 left, 1 right, 2 centred
    int numbering = 0;   // 0 none, 6 numbered, 10 bullet

    static ParagraphMeasures Of(const TUVAparag& par, int cellPadding);
};

inline constexpr int kNumberingNumbered = 6;
inline constexpr int kNumberingBullet = 10;

class ParagraphLayout {
public:
    // Rebuilds the paragraph's lines from `top` (box coordinates) and returns
    // the top of the next paragraph; the paragraph's bottom becomes that - 1.
    // `objects` may be null: objects then keep the sizes in their records.
    static int LayOut(TUVAparag& par, int top, BoxLayoutState& box, IObjectLayout* objects = nullptr);

    // Ascent of an object from its height and vertical alignment code: code 3
    // hangs below the baseline (0), code 4 is centred on it (half), any other
    // sits on it (full height).
    static int ObjectAscent(int alignCode, int height);

    // Height a line is given when its characters have none (empty paragraph).
    static int FallbackLineHeight(const TUVAparag& par);
};

} // namespace quor
