#include "game/SceneReset.h"

#include "platform/Trunc.h"

#include <cmath>

namespace {
constexpr std::int32_t kMinLaunchSpeed = 5;
constexpr std::int32_t kMaxGunStartDegrees = 25;
}

Launch ResetScene(Scene& scene, QSize canvas, QSize hornet, std::int32_t maxVx, platform::Random& random)
{
    using platform::trunc;
    scene.FrelonX = random.inRange(hornet.width() + kGunBand, trunc(canvas.width() / 2.0 - hornet.width()));
    scene.FrelonY = random.inRange(hornet.height(), trunc(canvas.height() / 2.0 - hornet.height()));

    scene.alpha = random.inRange(-kMaxGunStartDegrees, kMaxGunStartDegrees) * scene.DegreToRadian;
    scene.Canon.rotation = scene.alpha;

    scene.Fire = false;
    scene.NoExplosion = true;

    Launch launch;
    launch.headingDegrees = random.inRange(0, 360);
    launch.speed = random.inRange(kMinLaunchSpeed, maxVx);
    const double heading = launch.headingDegrees * scene.DegreToRadian;
    scene.Vx = trunc(launch.speed * std::cos(heading));
    scene.Vy = trunc(launch.speed * std::sin(heading));
    return launch;
}
