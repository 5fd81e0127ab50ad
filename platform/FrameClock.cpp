#include "platform/FrameClock.h"

#include <QElapsedTimer>

namespace platform {
namespace {
    std::chrono::nanoseconds sinceOrigin()
    {
        static const QElapsedTimer origin = [] {
            QElapsedTimer timer;
            timer.start();
            return timer;
        }();
        return std::chrono::nanoseconds { origin.nsecsElapsed() };
    }
} // namespace

std::int64_t FrameClock::currentFrame()
{
    return sinceOrigin() / kFrame;
}

std::chrono::nanoseconds FrameClock::untilNextFrame()
{
    const auto elapsed = sinceOrigin();
    return (elapsed / kFrame + 1) * kFrame - elapsed;
}

} // namespace platform
