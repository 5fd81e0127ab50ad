#include "platform/PictureShape.h"

#include <QPainter>
#include <QTransform>

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

QRect PictureShape::boundsAt(QPointF centre) const
{
    if (picture.isNull())
        return {};
    QTransform turn;
    turn.translate(centre.x(), centre.y());
    turn.rotate(rotation * 180.0 / std::numbers::pi);
    const QRectF local(-picture.width() / 2.0, -picture.height() / 2.0, picture.width(), picture.height());
    return turn.mapRect(local).toAlignedRect().adjusted(-1, -1, 1, 1);
}

} // namespace platform
