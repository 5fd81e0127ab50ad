#pragma once

#include "game/Scene.h"

#include <QRegion>
#include <QSize>

// Where the next paint of the scene may draw, from the scene as it stands:
// the hornet, the gun and, while a shot is shown, its line and room for an
// explosion. A repaint needs only this and what the last paint drew, instead
// of the whole canvas at every tick.
QRegion SceneRegion(const Scene& scene, QSize canvas);

// Where the gun is drawn: its pivot on the canvas's left edge, half-way down.
QPointF GunPivot(QSize canvas);

// The pixels a 3-pixel shot line covers.
QRect LineBounds(const QLineF& line);
