#pragma once

#include "game/Scene.h"

#include <QSize>

// One flight tick: moves the hornet by its velocity, reverses each component
// whose new position passes a bound of the play area (the canvas less the
// gun's band), and turns the hornet's picture along its course. A reversal
// takes effect at the next tick, so the hornet may overshoot a bound by one step.
void FlightStep(Scene& scene, QSize canvas, QSize hornet);

// The rotation that points a head-up hornet picture along (vx, vy), with the
// picture's fixed 4-degree trim.
double HeadingRotation(std::int32_t vx, std::int32_t vy, double degreToRadian);

// Scales the hornet's velocity by newSpeed / oldSpeed, keeping its direction:
// each component times newSpeed, divided by oldSpeed and truncated.
void RescaleVelocity(Scene& scene, std::int32_t oldSpeed, std::int32_t newSpeed);
