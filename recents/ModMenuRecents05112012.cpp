#include "recents/ModMenuRecents05112012.h"

#include "game/MW.h"
#include "localization/TolunBasic.h"
#include "platform/FileItem.h"
#include "platform/MessageBox.h"
#include "recents/SubMenu.h"
#include "shell/MainMenuBar.h"
#include "shell/Utilites.h"

#include <QTreeWidget>

namespace ModMenuRecents05112012 {
namespace {

    const QString kMenuRecentName = QStringLiteral("MenuRecent");

    struct RecentTexts {
        const char* listTitle;
        const char* openRecent;
        const char* loadFile;
        const char* withdraw;
        const char* erase;
        const char* lost;
    };

    constexpr RecentTexts kTexts[] = {
        { "Recent files list", "Open a recent file", "Open", "Remove from list", "Erase the recent files list",
            "You really want to delete the list of recent files ?" },
        { "Liste des fichiers récents", "Ouvrir un fichier récent", "Ouvrir", "Retirer de la liste",
            "Efface la liste des fichiers récents", "Vous voulez vraiment effacer la liste des fichiers récents ?" },
        { "Neueste Dateien Liste", "Letzte Datei öffnen", "Öffnen", "Aus Liste entfernen", "Erase den letzten Dateilisten",
            "Sie wollen wirklich die Liste der zuletzt geöffneten Dateien löschen?" },
    };

    QTreeWidget& list()
    {
        return MW::instance().LBRecents();
    }

    QMenu* fileMenu()
    {
        MainMenuBar* menus = MainMenuBar::existing();
        return menus ? menus->FichierMenu : nullptr;
    }

    void countAndSort()
    {
        NbrRecents = list().topLevelItemCount();
        list().sortItems(0, Qt::AscendingOrder);
    }

    // The recent-files item of the last rebuild, or the menu bar's placeholder.
    QAction* recentsItem(QMenu& menu)
    {
        for (QAction* action : menu.actions()) {
            if (action->objectName() == kMenuRecentName)
                return action;
        }
        return nullptr;
    }

    void removeRecentsItem()
    {
        QMenu* menu = fileMenu();
        if (!menu)
            return;
        if (QAction* old = recentsItem(*menu)) {
            menu->removeAction(old);
            old->setObjectName(QString());
            // A command of the old submenu may be running: let it finish first.
            if (QMenu* submenu = old->menu())
                submenu->deleteLater();
            else
                old->deleteLater();
        }
        MenuRecents.clear();
    }

} // namespace

void InitRecents(std::int32_t index)
{
    if (NbrRecents <= 0)
        return;
    QMenu* menu = fileMenu();
    if (!menu)
        return;
    auto* recents = new QMenu(MenuOpenRecentText, menu);
    recents->setObjectName(kMenuRecentName);
    recents->menuAction()->setObjectName(kMenuRecentName);
    const QList<QAction*> items = menu->actions();
    QAction* before = index >= 0 && index < items.size() ? items[index] : nullptr;
    menu->insertMenu(before, recents);
    MenuRecents = recents;
}

void SetRecentsMenus()
{
    removeRecentsItem();
    if (NbrRecents <= 0)
        return;
    InitRecents(MenuRecentIndex);
    if (!MenuRecents) {
        platform::MsgBox(QStringLiteral("parent is nil!"), 0, QString());
        return;
    }
    for (std::int32_t i = 1; i <= NbrRecents; ++i) {
        const QTreeWidgetItem* row = list().topLevelItem(i - 1);
        auto* entry = new QMenu(row ? row->text(0) : QString(), MenuRecents);
        entry->menuAction()->setProperty("tag", i);
        entry->addAction(new SubMenu(StrLoadFile, i, SubMenu::Command::LoadFile, entry));
        entry->addAction(new SubMenu(StrWithdrawFromList, i, SubMenu::Command::WithdrawFromList, entry));
        MenuRecents->addMenu(entry);
    }
    // A separator line: a text would show beside it.
    MenuRecents->addAction(new SubMenu(QString(), NbrRecents + 1, SubMenu::Command::Separator, MenuRecents));
    MenuRecents->addAction(new SubMenu(StrEraseFileList, NbrRecents + 2, SubMenu::Command::EraseFileList, MenuRecents));
}

QString RecentKey(const platform::FileItem& file)
{
    return file.parentName() + Utilites::GetOSSeparator() + file.displayName();
}

bool NoEntryExists(const QString& key, std::int32_t& index)
{
    index = -1;
    const int rows = list().topLevelItemCount();
    for (int row = 0; row < rows; ++row) {
        if (list().topLevelItem(row)->text(0) == key) {
            index = row;
            return false;
        }
    }
    return true;
}

void AddToRecents(const platform::FileItem& file)
{
    const QString key = RecentKey(file);
    std::int32_t index = -1;
    if (NoEntryExists(key, index)) {
        list().addTopLevelItem(new QTreeWidgetItem(QStringList { key, file.absolutePath() }));
        countAndSort();
    }
}

void AddInRecents(const platform::FileItem& file)
{
    AddToRecents(file);
    SetRecentsMenus();
}

void DeleteRecent(const platform::FileItem& file)
{
    std::int32_t index = -1;
    if (NoEntryExists(RecentKey(file), index))
        return;
    delete list().takeTopLevelItem(index);
    countAndSort();
    IndexDefaultRecent = -1;
    SetRecentsMenus();
}

void WithdrawRecent(std::int32_t row)
{
    if (row < 0 || row >= list().topLevelItemCount())
        return;
    delete list().takeTopLevelItem(row);
    NbrRecents = list().topLevelItemCount();
    SetRecentsMenus();
}

void EraseRecents()
{
    NbrRecents = 0;
    list().clear();
    SetRecentsMenus();
}

QStringList RecentPaths()
{
    QStringList paths;
    const int rows = list().topLevelItemCount();
    for (int row = 0; row < rows && row < NbrRecents; ++row)
        paths.append(list().topLevelItem(row)->text(1));
    return paths;
}

std::optional<QString> RecentPath(std::int32_t row)
{
    if (row < 0 || row >= list().topLevelItemCount())
        return std::nullopt;
    return list().topLevelItem(row)->text(1);
}

void SetLangageRecent()
{
    const std::int32_t langage = TolunBasic::Langage;
    if (langage < 0 || langage >= std::int32_t(std::size(kTexts)))
        return;
    const RecentTexts& t = kTexts[langage];
    if (MainMenuBar* menus = MainMenuBar::existing()) {
        if (auto* item = menus->findChild<QAction*>(kMenuRecentName))
            item->setText(QString::fromUtf8(t.listTitle));
    }
    MenuOpenRecentText = QString::fromUtf8(t.openRecent);
    StrLoadFile = QString::fromUtf8(t.loadFile);
    StrWithdrawFromList = QString::fromUtf8(t.withdraw);
    StrEraseFileList = QString::fromUtf8(t.erase);
    StrRecentFilesLost = QString::fromUtf8(t.lost);
    // The submenu's commands follow the language at once; they are told apart
    // by what they do, not by their text.
    if (MenuRecents) {
        for (SubMenu* item : MenuRecents->findChildren<SubMenu*>()) {
            switch (item->command()) {
            case SubMenu::Command::LoadFile:
                item->setText(StrLoadFile);
                break;
            case SubMenu::Command::WithdrawFromList:
                item->setText(StrWithdrawFromList);
                break;
            case SubMenu::Command::EraseFileList:
                item->setText(StrEraseFileList);
                break;
            case SubMenu::Command::Separator:
                break;
            }
        }
    }
}

} // namespace ModMenuRecents05112012
