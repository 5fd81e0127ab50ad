#include "recents/SubMenu.h"

#include "localization/TolunBasic.h"
#include "platform/Application.h"
#include "platform/FileItem.h"
#include "platform/MessageBox.h"
#include "recents/ModMenuRecents05112012.h"
#include "shell/App.h"

namespace {

void writePreferences()
{
    if (App* app = App::instance())
        app->WritePreferences();
}

} // namespace

SubMenu::SubMenu(const QString& text, std::int32_t tag, Command command, QObject* parent)
    : QAction(text, parent)
    , m_tag(tag)
    , m_command(command)
{
    setSeparator(command == Command::Separator);
    connect(this, &QAction::triggered, this, [this] { platform::runGuarded([this] { Action(); }); });
}

bool SubMenu::Action()
{
    using namespace ModMenuRecents05112012;
    switch (m_command) {
    case Command::EraseFileList:
        if (platform::MsgBox(StrRecentFilesLost, platform::YesNoButtons | platform::CautionIcon, StrEraseFileList) == TolunBasic::YesPressed) {
            EraseRecents();
            writePreferences();
        }
        return true;
    case Command::LoadFile:
        if (const std::optional<QString> path = RecentPath(m_tag - 1)) {
            if (App* app = App::instance())
                app->ReadThisFile(platform::FileItem::lookup(*path));
        }
        return true;
    case Command::WithdrawFromList:
        WithdrawRecent(m_tag - 1);
        writePreferences();
        return true;
    case Command::Separator:
        break;
    }
    return false;
}
