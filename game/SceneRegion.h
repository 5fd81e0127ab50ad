#pragma once

#include "game/Scene.h"

#include <QRegion>
#include <QSize>

// Where the next paint of the scene will draw, from the scene as it stands:
// the hornet and the gun. A repaint needs only this and what the last paint
// drew, instead of the whole canvas at every tick.
QRegion SceneRegion(const Scene& scene, QSize canvas);

// Where the gun is drawn: its pivot on the canvas's left edge, half-way down.
QPointF GunPivot(QSize canvas);
