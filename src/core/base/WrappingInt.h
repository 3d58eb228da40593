// WrappingInt.h: 32-bit arithmetic that wraps around, as stored counters
// (revisions) do. A file may hold any value, so +1 and -1 must never overflow.
#pragma once

#include <cstdint>

namespace quor {

inline std::int32_t WrappingAdd(std::int32_t a, std::int32_t b)
{
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(a) + static_cast<std::uint32_t>(b));
}

} // namespace quor
