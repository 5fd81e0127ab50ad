#include "localization/AutoLangModule.h"

#include "platform/ResourcesFolder.h"
#include "platform/TextNumber.h"

#include <QFile>
#include <QLocale>
#include <QTextStream>

namespace AutoLangModule {
namespace {

    const QString kTableFile = QStringLiteral("AutoLangage.txt");
    const QString kDefaultKey = QStringLiteral("default");

    // Lines "language=text"; blank lines and lines starting with # are skipped.
    QString lookUp(const QString& language)
    {
        QFile file(platform::resourcePath(kTableFile));
        if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
            return {};
        QString fallback;
        QTextStream in(&file);
        while (!in.atEnd()) {
            const QString line = in.readLine();
            if (line.isEmpty() || line.startsWith(QLatin1Char('#')))
                continue;
            const qsizetype equals = line.indexOf(QLatin1Char('='));
            if (equals < 0)
                continue;
            const QString key = line.left(equals).trimmed();
            const QString text = line.mid(equals + 1);
            if (key == language)
                return text;
            if (key == kDefaultKey)
                fallback = text;
        }
        return fallback;
    }

} // namespace

QString kAutoLangage(const QString& languageIdentifier)
{
    const QLocale locale = languageIdentifier.isEmpty() ? QLocale::system() : QLocale(languageIdentifier);
    // "fr_CH" and "fr" both speak French: look up the language alone.
    const QString language = QLocale::languageToCode(locale.language());
    return lookUp(language);
}

std::int32_t GetAutomaticLangage()
{
    AutoLangage = platform::LeadingInteger(kAutoLangage());
    Automatic = true;
    return AutoLangage;
}

} // namespace AutoLangModule
