#pragma once

#include <QString>

#include <cstdint>

// The shell's module: the language in force, the shell's texts and a few
// fixed values. SetLangage is the only writer of the texts.
namespace TolunBasic {

// 0 English, 1 French, 2 German.
inline std::int32_t Langage = 0;

// Where start-up placed the main window.
inline std::int32_t MWTop = 0;
inline std::int32_t MWLeft = 0;
inline std::int32_t MWWidth = 0;
inline std::int32_t MWHeight = 0;

// Read by the preferences dialog.
inline QString PrefsDlgTitle;
inline QString STLangageText;
inline QString AutomaticLangage;
inline QString EnglishLangage;
inline QString FrenchLangage;
inline QString GermanLangage;
inline QString StrOk;
inline QString StrCancel;

// Read by the about box.
inline QString AboutDlgTitle;
inline QString STVersionText;
inline QString STLocalIPText;
inline QString STUpdateText;
inline QString AboutStr;
inline QString STmailName;

// Read at start-up, by the splash screen and by the unhandled-error message.
inline QString StrWelcome;
inline QString StrToStart;
inline QString StrVeryBadError;

// File and error messages.
inline QString Warning;
inline QString ReadFileError;
inline QString StrFileNotFound;
inline QString StrDestDoesNotExistError;
inline QString StrAccessDenied;
inline QString StrNotEnoughMemory;
inline QString StrFileInUse;
inline QString StrInvalidName;
inline QString StrIOError;
inline QString UnKnownError;

// The same in every language.
inline QString VardoSiteURL;
inline QString VardoSiteMail;
inline QString STCopyrightText;
// The height given to push buttons and the language pop-up.
inline std::int32_t PBHeight = 0;
// What a message box answers for its Yes button.
inline std::int32_t YesPressed = 0;

// The language switch: the fixed entries, the column of Langage (none for a
// code outside 0..2), the common tail, then the recent-files and game modules'
// own texts.
void SetLangage();

} // namespace TolunBasic
