// LineRuns.cpp: paint runs of a line.
#include "textengine/LineRuns.h"

#include "textengine/ParagraphMeasurer.h"

#include <algorithm>

namespace quor {

std::vector<TextRun> LineRuns::Of(const TUVAparag& par, const TUVAline& line)
{
    std::vector<TextRun> runs;
    const auto& recs = par.Records();
    int x = line.indentOffset + line.alignOffset;
    const int end = std::min(line.start + line.count, par.Length());
    for (int i = line.start; i < end; ++i) {
        const TCharRec& r = recs[static_cast<std::size_t>(i)];
        const bool startsRun = runs.empty() || r.runFont >= 0 || r.object >= 0 || runs.back().object >= 0 ||
                               r.link != runs.back().link;
        if (startsRun) {
            TextRun run;
            run.start = i;
            run.x = x;
            run.link = r.link;
            run.object = r.object;
            run.font = ParagraphMeasurer::MeasuringFont(par, i);
            runs.push_back(run);
        }
        ++runs.back().count;
        runs.back().width += r.width;
        x += r.width;
    }
    return runs;
}

} // namespace quor
