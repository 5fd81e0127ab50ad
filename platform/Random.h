#pragma once

#include <cstdint>
#include <random>

namespace platform {

// Random integers over inclusive ranges.
class Random {
public:
    explicit Random(std::uint64_t seed);

    // A generator seeded with the current date and time in seconds, as every
    // scene reset and random colour makes afresh.
    static Random seededWithCurrentTime();

    // A uniform integer in low..high, both ends included. An empty range
    // (low > high) gives low.
    std::int32_t inRange(std::int32_t low, std::int32_t high);

private:
    std::mt19937_64 m_engine;
};

} // namespace platform
