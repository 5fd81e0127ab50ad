#pragma once

#include "platform/PictureShape.h"

#include <QSize>

#include <cstdint>

// The scene state of the main window: where the hornet is and how it moves,
// where the gun points, and whether a shot or an explosion is under way.
// Plain data, so that the rules over it can be tested without a window.
struct Scene {
    std::int32_t FrelonX = 0;
    std::int32_t FrelonY = 0;
    std::int32_t Vx = 5;
    std::int32_t Vy = 5;
    platform::PictureShape Px; // the hornet
    platform::PictureShape Canon; // the gun
    double Phi = 0.0;
    double alpha = 0.0; // the aim: 0 straight right, positive below the horizontal
    bool Fire = false;
    std::int32_t NbrHit = 0; // paints the current shot has been drawn for
    bool NoExplosion = true;
    platform::PictureShape PictExplosion;
    double DegreToRadian = 0.0;
};

// Every angle of the game is built with this factor: pi/180 cut after ten
// decimals, not the exact quotient.
inline constexpr double kDegreToRadian = 0.0174532925;

// The band along the canvas's left edge where the gun stands, and its barrel's length.
inline constexpr std::int32_t kGunBand = 64;
