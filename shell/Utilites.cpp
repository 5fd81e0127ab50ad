#include "shell/Utilites.h"

#include "platform/Random.h"

namespace Utilites {

QString GetOSSeparator()
{
    return QStringLiteral(":");
}

QColor RandomColor()
{
    auto random = platform::Random::seededWithCurrentTime();
    const int red = random.inRange(0, 255);
    const int green = random.inRange(0, 255);
    const int blue = random.inRange(0, 255);
    return QColor(red, green, blue);
}

} // namespace Utilites
