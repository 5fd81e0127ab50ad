#include "shell/App.h"

#include "game/TolunBug.h"
#include "localization/AutoLangModule.h"
#include "localization/TolunBasic.h"
#include "platform/FileItem.h"
#include "platform/MessageBox.h"
#include "platform/TextNumber.h"
#include "preferences/TextLines.h"
#include "recents/ModMenuRecents05112012.h"
#include "updates/SparkleModule.h"

#include <algorithm>
#include <cmath>

namespace {

// A real file holds a few hundred bytes; what lies beyond this is not read.
constexpr std::int64_t kMaxFileBytes = 1 << 20;
// Entries of the recent-files list taken from the file; the rest are skipped.
constexpr std::int32_t kMaxRecentsRead = 1000;
constexpr std::int32_t kMinMaxVx = 4;
constexpr std::int32_t kMinWindowTop = 100;

std::optional<std::int32_t> readInteger(TextLineReader& in)
{
    if (const std::optional<QString> line = in.ReadLine())
        return platform::LeadingInteger(*line);
    return std::nullopt;
}

// "###.00000": five decimals, no leading zero before the point.
QString formatLength(double length)
{
    QString text = QString::number(length, 'f', 5);
    if (text.startsWith(QLatin1String("0.")))
        text.remove(0, 1);
    else if (text.startsWith(QLatin1String("-0.")))
        text.remove(1, 1);
    return text;
}

} // namespace

void App::ReadPreferences()
{
    platform::FileItem file = platform::FileItem::lookup(PrefFile);
    const int code = file.lastErrorCode();
    if (code == platform::FileError::FileNotFound) {
        WritePreferences();
        return;
    }
    if (code != platform::FileError::None) {
        AfficheFileError(file);
        return;
    }

    PreferencesFileInUse = true;
    const std::optional<QByteArray> content = file.readAll(kMaxFileBytes);
    if (!content) {
        PreferencesFileInUse = false;
        platform::MsgBox(file.displayName() + QStringLiteral(". ") + TolunBasic::ReadFileError, platform::CautionIcon, WarningTitle());
        WritePreferences();
        return;
    }

    // Each value is taken only when its line is there: a file cut short keeps
    // what start-up set for the rest.
    TextLineReader in(*content);
    in.ReadLine();
    const std::int32_t version = readInteger(in).value_or(0);
    in.ReadLine();
    if (const std::optional<QString> line = in.ReadLine()) {
        const double length = platform::LeadingNumber(*line);
        if (std::isfinite(length))
            SetLongueur(length);
    }
    in.ReadLine();
    Unit = readInteger(in).value_or(Unit);
    in.ReadLine();
    TolunBasic::Langage = readInteger(in).value_or(TolunBasic::Langage);
    in.ReadLine();
    Orientation = readInteger(in).value_or(Orientation);
    in.ReadLine();
    if (const std::optional<std::int32_t> top = readInteger(in))
        TolunBasic::MWTop = std::max(kMinWindowTop, *top);
    TolunBasic::MWLeft = readInteger(in).value_or(TolunBasic::MWLeft);

    namespace Recents = ModMenuRecents05112012;
    // The file's list replaces whatever was listed.
    Recents::EraseRecents();
    in.ReadLine();
    const std::int32_t count = readInteger(in).value_or(0);
    bool missing = false;
    for (std::int32_t i = 0; i < count; ++i) {
        const std::optional<QString> path = in.ReadLine();
        if (!path)
            break;
        if (i >= kMaxRecentsRead)
            continue;
        const platform::FileItem recent = platform::FileItem::lookup(*path);
        if (recent.exists())
            Recents::AddToRecents(recent);
        else
            missing = true;
    }
    Recents::SetRecentsMenus();
    if (version > 3) {
        Recents::IndexDefaultRecent = readInteger(in).value_or(Recents::IndexDefaultRecent);
        if (missing || count <= 0)
            Recents::IndexDefaultRecent = -1;
    }
    SparkleModule::ReadCheckStartPrefs(in);
    if (version > 2) {
        if (const std::optional<QString> line = in.ReadLine()) {
            AutoLangModule::Automatic = platform::LeadingNumber(*line) == 1.0;
            if (AutoLangModule::Automatic)
                TolunBasic::Langage = AutoLangModule::SystemLangage();
        }
    }
    if (version > 4) {
        if (const std::optional<std::int32_t> speed = readInteger(in))
            TolunBug::MaxVx = std::max(kMinMaxVx, *speed);
    }
    PreferencesFileInUse = false;
}

bool App::WritePreferences()
{
    platform::FileItem file = platform::FileItem::lookup(PrefFile);
    PreferencesFileInUse = true;

    TextLineWriter out;
    out.WriteLine(QStringLiteral("PrefsVersion"));
    out.WriteLine(QString::number(PrefVersion));
    out.WriteLine(QStringLiteral("Ref Length"));
    out.WriteLine(formatLength(Longueur));
    out.WriteLine(QStringLiteral("Units"));
    out.WriteLine(QString::number(Unit));
    out.WriteLine(QStringLiteral("Langage"));
    out.WriteLine(QString::number(TolunBasic::Langage));
    out.WriteLine(QStringLiteral("Orientation"));
    out.WriteLine(QString::number(Orientation));
    out.WriteLine(QStringLiteral("Old MW position"));
    const QRect window = mainWindowRect();
    out.WriteLine(QString::number(window.top()));
    out.WriteLine(QString::number(window.left()));
    out.WriteLine(QStringLiteral("NbrRecents"));
    const QStringList paths = ModMenuRecents05112012::RecentPaths();
    out.WriteLine(QString::number(paths.size()));
    for (const QString& path : paths)
        out.WriteLine(path);
    out.WriteLine(QString::number(ModMenuRecents05112012::IndexDefaultRecent));
    SparkleModule::WriteCheckStartPrefs(out);
    out.WriteLine(AutoLangModule::Automatic ? QStringLiteral("1") : QStringLiteral("0"));
    out.WriteLine(QString::number(TolunBug::MaxVx));

    const bool written = file.replaceWith(out.Content());
    PreferencesFileInUse = false;
    if (!written)
        AfficheFileError(file);
    return written;
}
