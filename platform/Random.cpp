#include "platform/Random.h"

#include <chrono>

namespace platform {

Random::Random(std::uint64_t seed)
    : m_engine(seed)
{
}

Random Random::seededWithCurrentTime()
{
    const auto seconds = std::chrono::duration_cast<std::chrono::seconds>(
        std::chrono::system_clock::now().time_since_epoch());
    return Random(static_cast<std::uint64_t>(seconds.count()));
}

std::int32_t Random::inRange(std::int32_t low, std::int32_t high)
{
    if (low > high)
        return low;
    return std::uniform_int_distribution<std::int32_t>(low, high)(m_engine);
}

} // namespace platform
