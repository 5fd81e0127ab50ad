#include "shell/App.h"

#include "localization/TolunBasic.h"
#include "platform/FileItem.h"
#include "platform/MessageBox.h"
#include "platform/OpenFileDialog.h"
#include "recents/ModMenuRecents05112012.h"
#include "shell/MyFiles.h"

bool App::_MenuOpen_Action()
{
    const std::optional<QString> chosen = platform::GetOpenFile(MyFiles::OpenDialogFilter(MyFiles::Bin()));
    if (!chosen)
        return true;
    ModMenuRecents05112012::AddInRecents(platform::FileItem::lookup(*chosen));
    WritePreferences();
    return true;
}

void App::ReadThisFile(const platform::FileItem& file)
{
    // The game reads no documents: opening one only confirms it.
    if (file.exists()) {
        platform::MsgBox(QStringLiteral("Ouverture de ") + file.displayName(), 0, QString());
        return;
    }
    ModMenuRecents05112012::DeleteRecent(file);
    WritePreferences();
    platform::MsgBox(TolunBasic::StrFileNotFound + QStringLiteral(" (") + file.displayName() + QStringLiteral(")."), 0, QString());
}
