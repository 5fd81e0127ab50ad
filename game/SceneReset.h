#pragma once

#include "game/Scene.h"

#include "platform/Random.h"

#include <QSize>

#include <cstdint>

// What a reset drew for the hornet's launch, before the velocity's components
// were cut to integers.
struct Launch {
    std::int32_t headingDegrees = 0;
    std::int32_t speed = 0;
};

// Places a new hornet in the upper left quarter of the canvas, clear of the
// gun's band, with a random launch of speed 5..maxVx, and a new random aim
// within +-25 degrees. Clears the shot and the explosion. Leaves NbrHit and
// the hornet's rotation alone.
Launch ResetScene(Scene& scene, QSize canvas, QSize hornet, std::int32_t maxVx, platform::Random& random);
