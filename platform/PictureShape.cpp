#include "platform/PictureShape.h"

#include <QPainter>

#include <numbers>

namespace platform {

void PictureShape::drawCentredAt(QPainter& painter, QPointF centre) const
{
    if (picture.isNull())
        return;
    const QPointF halfSize(picture.width() / 2.0, picture.height() / 2.0);
    if (rotation == 0.0) {
        painter.drawPixmap(centre - halfSize, picture);
        return;
    }
    painter.save();
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.translate(centre);
    // QPainter turns clockwise on screen for positive degrees, as the scene does.
    painter.rotate(rotation * 180.0 / std::numbers::pi);
    painter.drawPixmap(-halfSize, picture);
    painter.restore();
}

} // namespace platform
