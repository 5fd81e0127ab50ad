#pragma once

#include <QString>

#include <cstdint>

// The game's module: its speed setting, its counters and its texts.
namespace TolunBug {

inline constexpr std::int32_t kDefaultMaxVx = 5;

// Upper end of the hornet's launch speed, pixels per flight tick (4 to 50).
inline std::int32_t MaxVx = kDefaultMaxVx;

// Counted since start-up, never reset.
inline std::int32_t NombreDeParties = 0;
inline std::int32_t NombreDeFrelonsAbbatus = 0;
inline std::int32_t NombreDeTirs = 0;

} // namespace TolunBug
