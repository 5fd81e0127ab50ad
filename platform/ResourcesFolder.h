#pragma once

#include <QString>

namespace platform {

// The folder of the game's pictures and sounds: `resources` beside the
// executable in the build tree, `share/zumblo/resources` under the install
// prefix otherwise.
QString resourcesFolder();
QString resourcePath(const QString& fileName);

// Points the lookup at another folder (tests); an empty path restores it.
void setResourcesFolder(const QString& folder);

} // namespace platform
