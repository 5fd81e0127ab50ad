#pragma once

#include <QRect>

// The main window's place: the screen's available area (without the menu bar
// and the dock) less a window bar of the given height at its top.
QRect MainWindowRect(const QRect& available, int windowBarHeight);

// The part of a picture that fills a window without distortion: the middle of
// the picture, cut to the window's proportions.
QRect CropToFill(QSize picture, QSize window);
