#include "localization/AutoLangModule.h"

#include "localization/TolunBasic.h"
#include "platform/ResourcesFolder.h"
#include "platform/TextNumber.h"
#include "preferences/PrefsDlg.h"

#include <QComboBox>
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

std::int32_t SystemLangage()
{
    return platform::LeadingInteger(kAutoLangage());
}

std::int32_t GetAutomaticLangage()
{
    AutoLangage = SystemLangage();
    Automatic = true;
    return AutoLangage;
}

void SetPrefsLangage()
{
    QComboBox& popup = PrefsDlg::instance().PPLangage();
    popup.clear();
    popup.addItems({ TolunBasic::AutomaticLangage, TolunBasic::EnglishLangage, TolunBasic::FrenchLangage, TolunBasic::GermanLangage });
    if (Automatic)
        popup.setCurrentIndex(0);
    else if (TolunBasic::Langage >= 0 && TolunBasic::Langage < popup.count() - 1)
        popup.setCurrentIndex(TolunBasic::Langage + 1);
    else
        popup.setCurrentIndex(-1); // a code no row stands for
}

} // namespace AutoLangModule
