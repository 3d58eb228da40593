// WordSelection.cpp: double-click word bounds.
#include "textengine/WordSelection.h"

#include "textengine/BoxNavigation.h"

#include <algorithm>

namespace quor {

bool WordSelection::IsWordChar(unsigned char c)
{
    return !BoxNavigation::IsSeparator(c);
}

WordRange WordSelection::WordAt(const TUVAboxModel& box, int para, int index)
{
    WordRange r{para, 0, para, 0};
    if (para < 0 || para >= box.Count())
        return r;
    const std::string& t = box.At(para).Text();
    const int n = static_cast<int>(t.size());
    auto at = [&](int i) { return static_cast<unsigned char>(t[static_cast<std::size_t>(i)]); };
    int i = std::clamp(index, 0, n);

    int s = i;
    if (s > 0 && IsWordChar(at(s - 1)))
        --s;
    while (s > 0 && s < n && BoxNavigation::IsSeparator(at(s)))
        --s;
    if (s > 0) {
        while (s > 0 && IsWordChar(at(s)))
            --s;
    }
    // The loop stops on the separator before the word, or on the paragraph's
    // first character when the word starts there.
    if (s < n && !IsWordChar(at(s)) && s < i)
        ++s;
    r.startIndex = s;

    int e = i;
    while (e < n && IsWordChar(at(e)))
        ++e;
    while (e < n && at(e) == ' ')
        ++e;
    if (e >= n && para + 1 <= box.LastOwn()) {
        r.endParagraph = para + 1;
        r.endIndex = 0;
    } else {
        r.endIndex = e;
    }
    return r;
}

} // namespace quor
