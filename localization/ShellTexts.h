#pragma once

#include <QString>

#include <cstdint>

// The shell's texts in one language: the menu bar's, the about box's contact
// label, and the text entries of TolunBasic.
struct ShellTexts {
    // Menu items and menus.
    QString FichierMenu;
    QString MenuOpen;
    QString FilePrtOptions;
    QString EditMenu;
    QString EditUndo;
    QString EditCut;
    QString EditCopy;
    QString EditPaste;
    QString EditEffacer;
    QString EditSelectAll;
    QString AideMenu;
    QString AideHelp;
    QString AidePreferences;
    QString MenuTools;
    QString MenuShowHideTools;
    // The about box's contact label.
    QString STemailTo;
    // Text entries.
    QString PrefsDlgTitle;
    QString STLangageText;
    QString AutomaticLangage;
    QString EnglishLangage;
    QString FrenchLangage;
    QString GermanLangage;
    QString StrOk;
    QString StrCancel;
    QString AboutDlgTitle;
    QString STVersionText;
    QString STLocalIPText;
    QString STUpdateText;
    QString StrWelcome;
    QString StrToStart;
    QString StrVeryBadError;
    QString Warning;
    QString ReadFileError;
    QString StrFileNotFound;
    QString StrDestDoesNotExistError;
    QString StrAccessDenied;
    QString StrNotEnoughMemory;
    QString StrFileInUse;
    QString StrInvalidName;
    QString StrIOError;
    QString UnKnownError;
    QString AboutStr;
};

// The texts for a language code (0 English, 1 French, 2 German), or nothing.
const ShellTexts* ShellTextsFor(std::int32_t langage);
