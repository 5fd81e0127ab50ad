#pragma once

#include <QMenu>
#include <QPointer>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <optional>

namespace platform {
class FileItem;
}

// The recent-files list: the files picked with Open, kept in the main
// window's hidden list LBRecents (key "folder:name", path), sorted by key,
// and offered in a submenu of the File menu that is rebuilt on every change.
namespace ModMenuRecents05112012 {

inline std::int32_t NbrRecents = 0;
// Where the recent-files item sits in the File menu: just after Open.
inline std::int32_t MenuRecentIndex = 1;
// The File menu's recent-files item of the last rebuild.
inline QPointer<QMenu> MenuRecents;
// Kept in the preferences file; -1 for none.
inline std::int32_t IndexDefaultRecent = -1;

inline QString MenuOpenRecentText;
inline QString StrLoadFile;
inline QString StrWithdrawFromList;
inline QString StrEraseFileList;
inline QString StrRecentFilesLost;

// Makes the recent-files item and puts it in the File menu at index, when the list is not empty.
void InitRecents(std::int32_t index);
// Rebuilds the recent-files item and its submenu from the list.
void SetRecentsMenus();
// Adds the file unless its key is listed, then rebuilds.
void AddInRecents(const platform::FileItem& file);
// The same without the rebuild, for adding many at once.
void AddToRecents(const platform::FileItem& file);
// True when no entry has the key; index is then -1, else the entry's row.
bool NoEntryExists(const QString& key, std::int32_t& index);
// Removes the file's entry, if any, and rebuilds.
void DeleteRecent(const platform::FileItem& file);
// The module's texts and the recent-files item's title for the language in force.
void SetLangageRecent();

// The key of a file: its folder's name, ":", its name.
QString RecentKey(const platform::FileItem& file);
// The paths of the list, in its order.
QStringList RecentPaths();
std::optional<QString> RecentPath(std::int32_t row);
// Removes the row and rebuilds (the default index stays).
void WithdrawRecent(std::int32_t row);
// Empties the list and rebuilds.
void EraseRecents();

} // namespace ModMenuRecents05112012
