#include "updates/SparkleModule.h"

#include "preferences/TextLines.h"

namespace SparkleModule {

void ReadCheckStartPrefs(TextLineReader& stream)
{
    stream.ReadLine();
    // A file cut short before this line keeps the setting as it was.
    if (const std::optional<QString> value = stream.ReadLine())
        CheckAtStart = value->trimmed().compare(QLatin1String("true"), Qt::CaseInsensitive) == 0;
}

void WriteCheckStartPrefs(TextLineWriter& stream)
{
    stream.WriteLine(QStringLiteral("CheckAtStart"));
    stream.WriteLine(CheckAtStart ? QStringLiteral("true") : QStringLiteral("false"));
}

} // namespace SparkleModule
