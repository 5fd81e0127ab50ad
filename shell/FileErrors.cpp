#include "shell/App.h"

#include "localization/TolunBasic.h"
#include "platform/FileItem.h"
#include "platform/MessageBox.h"

namespace {

const QString* messageFor(int code)
{
    using namespace platform::FileError;
    switch (code) {
    case DestinationDoesNotExist:
        return &TolunBasic::StrDestDoesNotExistError;
    case FileNotFound:
        return &TolunBasic::StrFileNotFound;
    case AccessDenied:
        return &TolunBasic::StrAccessDenied;
    case NotEnoughMemory:
        return &TolunBasic::StrNotEnoughMemory;
    case FileInUse:
        return &TolunBasic::StrFileInUse;
    case InvalidName:
        return &TolunBasic::StrInvalidName;
    default:
        return nullptr;
    }
}

} // namespace

QString App::WarningTitle()
{
    return TolunBasic::Warning + QStringLiteral(" !");
}

bool App::AfficheFileError(const platform::FileItem& file)
{
    const int code = file.lastErrorCode();
    if (code == platform::FileError::None)
        return true;
    TrouveFileErreur(file, code);
    return false;
}

void App::TrouveFileErreur(const platform::FileItem& file, int code)
{
    QString text;
    if (const QString* message = messageFor(code)) {
        text = file.displayName() + QLatin1Char('\n') + *message;
    } else {
        text = TolunBasic::StrIOError + file.displayName() + QLatin1Char('\n') + TolunBasic::UnKnownError
            + QStringLiteral(" (") + QString::number(code) + QStringLiteral(").");
    }
    platform::MsgBox(text, platform::CautionIcon, WarningTitle());
}
