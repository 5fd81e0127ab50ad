#pragma once

#include <cstdint>
#include <QString>

namespace mediagen {

// Own generator instead of <random> distributions, whose output differs
// between standard libraries; fixed seeds keep reruns byte-identical.
class Rng {
public:
    explicit Rng(std::uint64_t seed) : state_(seed) {}

    std::uint64_t next()
    {
        std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    double uniform() { return double(next() >> 11) * (1.0 / 9007199254740992.0); }
    double range(double lo, double hi) { return lo + (hi - lo) * uniform(); }
    double bipolar() { return range(-1.0, 1.0); }

private:
    std::uint64_t state_;
};

// Each returns false when a file could not be written.
bool writePictures(const QString &outDir);
bool writeSounds(const QString &outDir);

} // namespace mediagen
