#include "game/SceneRegion.h"

#include "platform/Trunc.h"

QPointF GunPivot(QSize canvas)
{
    return QPointF(0, platform::trunc(canvas.height() / 2.0));
}

QRegion SceneRegion(const Scene& scene, QSize canvas)
{
    QRegion region;
    if (!scene.NoExplosion)
        return region; // the paint after a hit draws nothing
    region += scene.Px.boundsAt(QPointF(scene.FrelonX, scene.FrelonY));
    region += scene.Canon.boundsAt(GunPivot(canvas));
    return region & QRect(QPoint(0, 0), canvas);
}
