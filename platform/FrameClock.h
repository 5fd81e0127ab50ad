#pragma once

#include <chrono>
#include <cstdint>

namespace platform {

// The application's 60 Hz frame grid on the monotonic clock. Paced timers tick
// on its grid points, so their rate does not drift and a late tick skips the
// points it missed instead of bursting to catch up; the canvas paints at most
// once per frame of the same grid.
class FrameClock {
public:
    static constexpr std::chrono::nanoseconds kFrame { 16'666'667 };

    // The number of the frame under way.
    static std::int64_t currentFrame();

    // Time from now to the next grid point.
    static std::chrono::nanoseconds untilNextFrame();
};

} // namespace platform
