#pragma once

#include <QColor>
#include <QString>

// Two small routines the game and the recent-files list share.
namespace Utilites {

// The separator in the keys of the recent-files list, on every platform.
QString GetOSSeparator();

// An opaque colour, each component drawn from 0 to 255 by a generator of its own.
QColor RandomColor();

} // namespace Utilites
