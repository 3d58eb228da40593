// LineRuns.h: splits a laid-out line into the runs that painting draws with one
// text call each: a run extends while no run font starts, no object stands
// and the link value stays the same. Screen and printer paint from these.
#pragma once

#include "model/TMyFont.h"
#include "textengine/TUVAparag.h"

#include <vector>

namespace quor {

struct TextRun {
    int start = 0;   // first character (paragraph index)
    int count = 0;
    int x = 0;       // left edge, relative to the box (indent + align offsets included)
    int width = 0;   // sum of the stored widths
    int link = -1;   // link value of the run
    int object = -1; // index into the paragraph's objects: the run is that one object
    TMyFont font;    // the font drawn with: run font or paragraph font, link font inside links
};

class LineRuns {
public:
    static std::vector<TextRun> Of(const TUVAparag& par, const TUVAline& line);
};

} // namespace quor
