#include "game/Flight.h"

#include "platform/Trunc.h"

#include <cmath>
#include <cstdint>
#include <limits>

namespace {

constexpr double kPictureTrimDegrees = 4.0;

// A hornet on a canvas too narrow for both bounds drifts for ever; its
// position saturates instead of overflowing.
std::int32_t saturatingAdd(std::int32_t a, std::int32_t b)
{
    const std::int64_t sum = std::int64_t { a } + b;
    if (sum > std::numeric_limits<std::int32_t>::max())
        return std::numeric_limits<std::int32_t>::max();
    if (sum < std::numeric_limits<std::int32_t>::min())
        return std::numeric_limits<std::int32_t>::min();
    return static_cast<std::int32_t>(sum);
}

} // namespace

double HeadingRotation(std::int32_t vx, std::int32_t vy, double degreToRadian)
{
    return 90 * degreToRadian + std::atan2(static_cast<double>(vy), static_cast<double>(vx)) + kPictureTrimDegrees * degreToRadian;
}

void FlightStep(Scene& scene, QSize canvas, QSize hornet)
{
    const std::int32_t nx = saturatingAdd(scene.FrelonX, scene.Vx);
    const std::int32_t ny = saturatingAdd(scene.FrelonY, scene.Vy);
    const double halfWidth = hornet.width() / 2.0;
    const double halfHeight = hornet.height() / 2.0;

    // Both tests may hold on a very narrow canvas: two reversals cancel out.
    if (canvas.width() - halfWidth < nx)
        scene.Vx = -scene.Vx;
    if (nx < halfWidth + kGunBand)
        scene.Vx = -scene.Vx;
    if (canvas.height() - halfHeight < ny)
        scene.Vy = -scene.Vy;
    if (ny < halfHeight)
        scene.Vy = -scene.Vy;

    scene.FrelonX = nx;
    scene.FrelonY = ny;
    scene.Px.rotation = HeadingRotation(scene.Vx, scene.Vy, scene.DegreToRadian);
}

void RescaleVelocity(Scene& scene, std::int32_t oldSpeed, std::int32_t newSpeed)
{
    if (oldSpeed == 0)
        return;
    const auto scaled = [&](std::int32_t component) {
        return platform::trunc(static_cast<double>(std::int64_t { component } * newSpeed) / oldSpeed);
    };
    scene.Vx = scaled(scene.Vx);
    scene.Vy = scaled(scene.Vy);
}
