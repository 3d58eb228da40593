// WinColour.h: document colour values (0x00BBGGRR, or 0x800000nn for system
// colour nn) as screen colours.
#pragma once

#include <QColor>

#include <cstdint>

namespace quor {

QColor WinColourToQColor(std::int32_t colour);

} // namespace quor
