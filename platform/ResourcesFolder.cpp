#include "platform/ResourcesFolder.h"

#include <QCoreApplication>
#include <QDir>

namespace platform {
namespace {
    QString& overrideFolder()
    {
        static QString folder;
        return folder;
    }
} // namespace

QString resourcesFolder()
{
    if (!overrideFolder().isEmpty())
        return overrideFolder();
    const QDir exeDir(QCoreApplication::applicationDirPath());
    const QString besideExecutable = exeDir.filePath(QStringLiteral("resources"));
    if (QDir(besideExecutable).exists())
        return besideExecutable;
    return QDir::cleanPath(exeDir.filePath(QStringLiteral("../share/zumblo/resources")));
}

QString resourcePath(const QString& fileName)
{
    return QDir(resourcesFolder()).filePath(fileName);
}

void setResourcesFolder(const QString& folder)
{
    overrideFolder() = folder;
}

} // namespace platform
