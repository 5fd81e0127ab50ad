#include "shell/MyFiles.h"

namespace MyFiles {

const FileType& Bin()
{
    static const FileType bin {
        QStringLiteral("MyBinFiles"),
        { QStringLiteral(".bef"), QStringLiteral(".ref") },
        QStringLiteral("GREB"),
        QStringLiteral("GREB"),
    };
    return bin;
}

QString OpenDialogFilter(const FileType& type)
{
    QStringList patterns;
    for (const QString& extension : type.extensions)
        patterns.append(QLatin1Char('*') + extension);
    return type.name + QStringLiteral(" (") + patterns.join(QLatin1Char(' ')) + QLatin1Char(')');
}

} // namespace MyFiles
