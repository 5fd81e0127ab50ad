#include "game/Gun.h"

#include "platform/Trunc.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace {

constexpr double kBarrelLength = 64.0;
constexpr double kHalfShotWidth = 1.5;
constexpr double kFlatSlope = 1e-9;

} // namespace

void AimDown(Scene& scene)
{
    scene.alpha = scene.alpha + 1 * scene.DegreToRadian;
    if (90 * scene.DegreToRadian < scene.alpha)
        scene.alpha = 90 * scene.DegreToRadian;
    scene.Canon.rotation = scene.alpha;
}

void AimUp(Scene& scene)
{
    scene.alpha = scene.alpha - 1 * scene.DegreToRadian;
    if (scene.alpha < -90 * scene.DegreToRadian)
        scene.alpha = -90 * scene.DegreToRadian;
    scene.Canon.rotation = scene.alpha;
}

ShotGeometry GunShot(double alpha, QSize canvas)
{
    using platform::trunc;
    ShotGeometry shot;
    shot.b = trunc(kBarrelLength * std::cos(alpha));
    shot.d = trunc(canvas.height() / 2.0 + kBarrelLength * std::sin(alpha) - kHalfShotWidth);
    shot.t = std::tan(alpha);
    // Near +-90 degrees this lies far outside the 32-bit range; trunc saturates.
    shot.m = trunc(shot.d + shot.t * (canvas.width() - shot.b));
    return shot;
}

ShotTest TestShot(const ShotGeometry& shot, QPoint hornet)
{
    using platform::trunc;
    const double fx = hornet.x();
    const double fy = hornet.y();
    double px = fx;
    double py = shot.m;
    if (std::abs(shot.t) >= kFlatSlope) {
        // The foot stays a real number until it is measured: cut to a whole x
        // first, it would slide along the steep perpendicular of a shallow
        // shot, by up to 57 pixels at one degree.
        const double k = -1.0 / shot.t;
        px = ((fy - k * fx) - shot.d + shot.t * shot.b) / (shot.t - k);
        py = fy + k * (px - fx);
    }
    // In doubles: a square never wraps round into a hit.
    const double dx = px - fx;
    const double dy = py - fy;
    ShotTest test;
    test.hit = dx * dx + dy * dy <= double { kHitDistance } * kHitDistance;
    test.foot = QPoint(trunc(px), trunc(py));
    return test;
}

QLineF MissLine(const ShotGeometry& shot, QSize canvas)
{
    const QPointF muzzle(shot.b, shot.d);
    const double h = canvas.height();
    if (shot.m >= -h && shot.m <= 2 * h)
        return QLineF(muzzle, QPointF(canvas.width(), shot.m));
    // Stop one canvas height past the edge, on the aim's own line.
    const double yEnd = shot.m < 0 ? -h : 2 * h;
    return QLineF(muzzle, QPointF(shot.b + (yEnd - shot.d) / shot.t, yEnd));
}

void AdvanceShotLife(Scene& scene)
{
    scene.NbrHit = scene.NbrHit + 1;
    if (scene.NbrHit > kShotPaints - 1) {
        scene.Fire = false;
        scene.NbrHit = 0;
    }
}
