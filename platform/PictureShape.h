#pragma once

#include <QPixmap>
#include <QPointF>

class QPainter;

namespace platform {

// A picture with a rotation in radians, drawn centred on a point and turned
// clockwise on the screen about its centre.
struct PictureShape {
    QPixmap picture;
    double rotation = 0.0;

    void drawCentredAt(QPainter& painter, QPointF centre) const;

    // The pixels a drawing at that centre may touch, smoothing included.
    QRect boundsAt(QPointF centre) const;
};

} // namespace platform
