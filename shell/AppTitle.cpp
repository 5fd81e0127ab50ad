#include "shell/AppTitle.h"

#include "shell/Version.h"

QString VersionText(int major, int minor, int fix, int build)
{
    return QStringLiteral("Version %1.%2.%3 (Build %4)").arg(major).arg(minor).arg(fix).arg(build);
}

QString ApplicationTitle(const QString& versionText)
{
    return QStringLiteral("Zumblo  ") + versionText;
}

QString CurrentVersionText()
{
    return VersionText(Version::kMajor, Version::kMinor, Version::kFix, Version::kBuild);
}
