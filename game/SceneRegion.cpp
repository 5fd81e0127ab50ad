#include "game/SceneRegion.h"

#include "game/Gun.h"
#include "platform/Trunc.h"

#include <QLineF>

namespace {
constexpr int kLineMargin = 3;
}

QPointF GunPivot(QSize canvas)
{
    return QPointF(0, platform::trunc(canvas.height() / 2.0));
}

QRect LineBounds(const QLineF& line)
{
    return QRectF(line.p1(), line.p2()).normalized().toAlignedRect().adjusted(-kLineMargin, -kLineMargin, kLineMargin, kLineMargin);
}

QRegion SceneRegion(const Scene& scene, QSize canvas)
{
    QRegion region;
    if (!scene.NoExplosion)
        return region; // the paint after a hit draws nothing
    region += scene.Px.boundsAt(QPointF(scene.FrelonX, scene.FrelonY));
    region += scene.Canon.boundsAt(GunPivot(canvas));
    if (scene.Fire) {
        const ShotGeometry shot = GunShot(scene.alpha, canvas);
        region += LineBounds(MissLine(shot, canvas));
        // A hit draws its line to within 25 pixels of the hornet, and the
        // explosion there.
        const QPoint hornet(scene.FrelonX, scene.FrelonY);
        const QPoint reach(kHitDistance, kHitDistance);
        const QRect nearHornet(hornet - reach, hornet + reach);
        region += QRect(shot.b, shot.d, 1, 1).united(nearHornet).adjusted(-kLineMargin, -kLineMargin, kLineMargin, kLineMargin);
        region += scene.PictExplosion.boundsAt(hornet).adjusted(-kHitDistance, -kHitDistance, kHitDistance, kHitDistance);
    }
    return region & QRect(QPoint(0, 0), canvas);
}
