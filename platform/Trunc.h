#pragma once

#include <cstdint>
#include <limits>

namespace platform {

// The one real-to-integer conversion of the game and the shell. Drops the
// fraction and saturates at the 32-bit range (a plain cast of an out-of-range
// double is undefined behaviour); NaN gives 0.
constexpr std::int32_t trunc(double value) noexcept
{
    constexpr double kMax = static_cast<double>(std::numeric_limits<std::int32_t>::max());
    constexpr double kMin = static_cast<double>(std::numeric_limits<std::int32_t>::min());
    if (value != value)
        return 0;
    if (value >= kMax)
        return std::numeric_limits<std::int32_t>::max();
    if (value <= kMin)
        return std::numeric_limits<std::int32_t>::min();
    return static_cast<std::int32_t>(value);
}

} // namespace platform
