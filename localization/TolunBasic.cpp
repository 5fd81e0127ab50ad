#include "localization/TolunBasic.h"

#include "game/TolunBug.h"
#include "localization/ShellTexts.h"
#include "preferences/PrefsDlg.h"
#include "recents/ModMenuRecents05112012.h"
#include "shell/MainMenuBar.h"

#include <QPushButton>

namespace TolunBasic {
namespace {

    constexpr std::int32_t kPushButtonHeight = 20;
    constexpr std::int32_t kYesPressed = 6;

    void assignFixedEntries()
    {
        VardoSiteURL = QStringLiteral("https://www.orlentis.example/zumblo/index.html");
        VardoSiteMail = QStringLiteral("mailto:zumblo@orlentis.example");
        STCopyrightText = QStringLiteral("Copyright © 2013-2026 Orlentis. All rights reserved.");
        STmailName = QStringLiteral("Orlentis, Zumblo team");
    }

    void assignEntries(const ShellTexts& t)
    {
        PrefsDlgTitle = t.PrefsDlgTitle;
        STLangageText = t.STLangageText;
        AutomaticLangage = t.AutomaticLangage;
        EnglishLangage = t.EnglishLangage;
        FrenchLangage = t.FrenchLangage;
        GermanLangage = t.GermanLangage;
        StrOk = t.StrOk;
        StrCancel = t.StrCancel;
        AboutDlgTitle = t.AboutDlgTitle;
        STVersionText = t.STVersionText;
        STLocalIPText = t.STLocalIPText;
        STUpdateText = t.STUpdateText;
        AboutStr = t.AboutStr;
        StrWelcome = t.StrWelcome;
        StrToStart = t.StrToStart;
        StrVeryBadError = t.StrVeryBadError;
        Warning = t.Warning;
        ReadFileError = t.ReadFileError;
        StrFileNotFound = t.StrFileNotFound;
        StrDestDoesNotExistError = t.StrDestDoesNotExistError;
        StrAccessDenied = t.StrAccessDenied;
        StrNotEnoughMemory = t.StrNotEnoughMemory;
        StrFileInUse = t.StrFileInUse;
        StrInvalidName = t.StrInvalidName;
        StrIOError = t.StrIOError;
        UnKnownError = t.UnKnownError;
    }

} // namespace

void SetLangage()
{
    assignFixedEntries();
    if (const ShellTexts* texts = ShellTextsFor(Langage)) {
        assignEntries(*texts);
        // The menu bar lives in the main window; the window made at start-up.
        if (MainMenuBar* menus = MainMenuBar::existing())
            menus->SetTexts(*texts, AboutDlgTitle);
    }
    PrefsDlg& prefs = PrefsDlg::instance();
    prefs.PBOk().setText(StrOk);
    prefs.PBCancel().setText(StrCancel);
    PBHeight = kPushButtonHeight;
    YesPressed = kYesPressed;
    ModMenuRecents05112012::SetLangageRecent();
    TolunBug::LangageBug();
}

} // namespace TolunBasic
