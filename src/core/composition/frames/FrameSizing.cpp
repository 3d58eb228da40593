// FrameSizing.cpp: sharing a split frame's length among its children.
#include "composition/frames/FrameSizing.h"

#include <cmath>

namespace quor {

int PercentOf(int size, int freeLength)
{
    if (freeLength <= 0)
        return 0;
    return static_cast<int>(std::lround(static_cast<double>(size) * 100.0 / freeLength));
}

FrameSizeResult ShareFrameLength(const std::vector<FrameSizeInput>& children, int length)
{
    FrameSizeResult r;
    const std::size_t n = children.size();
    if (n == 0)
        return r;
    int freeLength = length;
    for (std::size_t i = 0; i + 1 < n; ++i)
        freeLength -= children[i].spacing;
    r.freeLength = freeLength;
    r.sizes.assign(n, 0);
    r.percents.resize(n);
    for (std::size_t i = 0; i < n; ++i)
        r.percents[i] = children[i].percent;

    long long sum = 0;
    int rest = -1;
    for (std::size_t i = 0; i + 1 < n; ++i) {
        const auto& c = children[i];
        switch (c.sizeKind) {
        case 0:
            r.sizes[i] = static_cast<int>(static_cast<long long>(freeLength) * c.percent / 100);
            break;
        case 1:
            r.sizes[i] = c.pixels;
            r.percents[i] = PercentOf(c.pixels, freeLength);
            break;
        case 2:
            if (rest < 0)
                rest = static_cast<int>(i);
            continue;
        default:
            r.sizes[i] = 10;
            break;
        }
        if (r.sizes[i] < 0)
            r.sizes[i] = 0;
        sum += r.sizes[i];
    }
    // Further rest children (only the first one shares the rest) keep their size.
    for (std::size_t i = 0; i + 1 < n; ++i) {
        if (children[i].sizeKind == 2 && static_cast<int>(i) != rest) {
            r.sizes[i] = children[i].oldSize > 0 ? children[i].oldSize : 0;
            sum += r.sizes[i];
        }
    }
    if (rest >= 0) {
        const long long left = freeLength - sum;
        r.sizes[static_cast<std::size_t>(rest)] = left > 0 ? static_cast<int>(left) : children[static_cast<std::size_t>(rest)].oldSize;
        if (r.sizes[static_cast<std::size_t>(rest)] < 0)
            r.sizes[static_cast<std::size_t>(rest)] = 0;
        sum += r.sizes[static_cast<std::size_t>(rest)];
    }
    const long long last = freeLength - sum;
    r.sizes[n - 1] = last > 0 ? static_cast<int>(last) : 0;
    return r;
}

} // namespace quor
