#pragma once

#include "game/Scene.h"

#include <QLineF>
#include <QPoint>
#include <QSize>

#include <cstdint>

// The aim: one degree a step, kept within +-90 degrees; the gun's picture follows.
void AimDown(Scene& scene);
void AimUp(Scene& scene);

// Where a shot starts and where its line goes, in canvas pixels.
struct ShotGeometry {
    std::int32_t b = 0; // muzzle x
    std::int32_t d = 0; // muzzle y
    std::int32_t m = 0; // y where the line meets the canvas's right edge
    double t = 0.0; // slope, tan alpha
};
ShotGeometry GunShot(double alpha, QSize canvas);

// The shot's line against the hornet's centre: the foot of the perpendicular
// from the centre to the line, and whether it lies within 25 pixels.
struct ShotTest {
    QPoint foot;
    bool hit = false;
};
ShotTest TestShot(const ShotGeometry& shot, QPoint hornet);

// The line a missing shot draws: from the muzzle to the right edge, or, when
// the aim is so steep that the edge lies far off, to just beyond the top or
// bottom of the canvas along the same aim.
QLineF MissLine(const ShotGeometry& shot, QSize canvas);

// Counts one more paint of the shot; after six it is over.
void AdvanceShotLife(Scene& scene);

inline constexpr std::int32_t kHitDistance = 25;
inline constexpr std::int32_t kShotPaints = 6;
