#include "shell/WindowPlacement.h"

#include "platform/Trunc.h"

QRect MainWindowRect(const QRect& available, int windowBarHeight)
{
    return QRect(available.left(), available.top() + windowBarHeight, available.width(), available.height() - windowBarHeight);
}

QRect CropToFill(QSize picture, QSize window)
{
    using platform::trunc;
    const double r = double(window.width()) / window.height();
    const double p = double(picture.width()) / picture.height();
    if (r < p) {
        const int sw = trunc(r * picture.height());
        return QRect(trunc((picture.width() - sw) / 2.0), 0, sw, picture.height());
    }
    const int sh = trunc(picture.width() / r);
    return QRect(0, trunc((picture.height() - sh) / 2.0), picture.width(), sh);
}
