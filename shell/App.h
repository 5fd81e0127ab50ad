#pragma once

#include "platform/Application.h"

#include <QString>

#include <cstdint>
#include <exception>

class QPixmap;
class QRect;

namespace platform {
class FileItem;
}

// The application object: the shell's state, the start-up sequence and the
// one way out, DoClose.
class App : public platform::Application {
public:
    App(int& argc, char** argv);

    // The application object, when it is an App (tests run the game without one).
    static App* instance();

    // Makes the main window with its menu bar, binds the menu commands and
    // queues the open event.
    void Launch();

    void Event_Open();
    bool Event_CancelClose();
    bool Event_UnhandledException(const std::exception& error);

    bool _AidePreferences_Action();
    bool _AideHelp_Action();
    bool _MenuShowHideTools_Action();
    bool _MenuOpen_Action();

    // The preferences file: read once at start-up, written in full by the
    // commands that change what it holds. A failed write returns false after
    // telling the user; the previous file stays whole.
    void ReadPreferences();
    bool WritePreferences();

    void UpdateMenus();
    // Fills the window's backdrop with the picture, cropped to fill.
    void SetBgkPicture(const QPixmap& picture, QWidget& window);
    // Opens a file of the recent-files list: confirms it, or drops it when it has gone.
    void ReadThisFile(const platform::FileItem& file);
    // Shows the score summary if a game was started, then quits. Returns false.
    bool DoClose();
    // Sets the reference length and the scale that follows from it.
    void SetLongueur(double length);
    // Runs the preferences dialog and applies what it returns.
    void DoPrefs();
    // Shows the file's error, if it has one; true when it has none.
    bool AfficheFileError(const platform::FileItem& file);
    void TrouveFileErreur(const platform::FileItem& file, int code);
    void DoHelp();

    // The title of file messages: the warning word and " !".
    static QString WarningTitle();

    QString PreferencesFileName;
    std::int32_t PrefVersion = 1;
    double Longueur = 0.0;
    double Scale = 0.0;
    double DefaultLength = 0.0;
    std::int32_t Unit = 0;
    std::int32_t Orientation = 0;
    QString PrefFile;
    bool SomeThingHasChanged = false;
    // The maker's folder in the user's configuration folder, ending with "/".
    QString PrefsFolder;
    bool Quitter = false;
    bool PreferencesFileInUse = false;
    bool QuitDone = false;
    std::int32_t WindowBarHeight = 0;

private:
    void bindMenuCommands();
    // Makes the preferences folder when it is missing and names the file in it.
    void locatePreferences();
    // Where the main window is now, or where start-up placed it.
    QRect mainWindowRect() const;
};
