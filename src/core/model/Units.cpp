// Units.cpp: unit conversion; every path goes through millimetres or points.
#include "model/Units.h"

#include <atomic>
#include <climits>
#include <cmath>

namespace quor {

namespace {

std::atomic<int> g_screenPpi{96};

bool IsKnownUnit(int unit) { return unit >= kUnitCentimetres && unit <= kUnitPixels; }

float FromMillimetres(float mm, int to, float ppi)
{
    const float inches = mm / 25.4f;
    const float points = inches * 72.0f;
    switch (to) {
    case kUnitCentimetres: return mm / 10.0f;
    case kUnitMillimetres: return mm;
    case kUnitInches: return points / 72.0f;
    case kUnitPoints: return points;
    case kUnitPicas: return points / 6.0f;
    default: return inches * ppi;
    }
}

float FromPoints(float points, int to, float ppi)
{
    const float inches = points / 72.0f;
    const float mm = inches * 25.4f;
    switch (to) {
    case kUnitCentimetres: return mm / 10.0f;
    case kUnitMillimetres: return mm;
    case kUnitInches: return points / 72.0f;
    case kUnitPoints: return points;
    case kUnitPicas: return points / 6.0f;
    default: return inches * ppi;
    }
}

} // namespace

int ScreenPixelsPerInch() { return g_screenPpi.load(); }

void SetScreenPixelsPerInch(int ppi)
{
    if (ppi >= 1)
        g_screenPpi.store(ppi);
}

float ConvertUnit(float x, int from, int to, int ppi)
{
    const float p = static_cast<float>(ppi >= 1 ? ppi : 96);
    if (!IsKnownUnit(from))
        from = kUnitPixels;
    if (!IsKnownUnit(to))
        to = kUnitPixels;
    switch (from) {
    case kUnitCentimetres: return FromMillimetres(x * 10.0f, to, p);
    case kUnitMillimetres: return FromMillimetres(x, to, p);
    case kUnitInches: return FromPoints(x * 72.0f, to, p);
    case kUnitPoints: return FromPoints(x, to, p);
    case kUnitPicas: return FromPoints(x * 6.0f, to, p);
    default: break;
    }
    // From pixels.
    const float mm = x / p * 25.4f;
    const float points = x / p * 72.0f;
    switch (to) {
    case kUnitCentimetres: return mm / 10.0f;
    case kUnitMillimetres: return mm;
    case kUnitInches: return points / 72.0f;
    case kUnitPoints: return points;
    case kUnitPicas: return points / 6.0f;
    default: return x;
    }
}

float ConvertUnit(float x, int from, int to) { return ConvertUnit(x, from, to, ScreenPixelsPerInch()); }

int UnitToPixels(float x, int unit, int ppi)
{
    const float px = ConvertUnit(x, unit, kUnitPixels, ppi);
    if (!std::isfinite(px))
        return 0;
    // Banker's rounding, whatever rounding mode the caller left set.
    double r = std::floor(static_cast<double>(px));
    const double frac = static_cast<double>(px) - r;
    if (frac > 0.5 || (frac == 0.5 && std::fmod(r, 2.0) != 0.0))
        r += 1.0;
    if (r > INT_MAX)
        return INT_MAX;
    if (r < INT_MIN)
        return INT_MIN;
    return static_cast<int>(r);
}

int UnitToPixels(float x, int unit) { return UnitToPixels(x, unit, ScreenPixelsPerInch()); }

float PixelsToUnit(int pixels, int unit, int ppi)
{
    return ConvertUnit(static_cast<float>(pixels), kUnitPixels, unit, ppi);
}

float PixelsToUnit(int pixels, int unit) { return PixelsToUnit(pixels, unit, ScreenPixelsPerInch()); }

} // namespace quor
