#pragma once

#include "platform/Application.h"

#include <QString>

#include <cstdint>
#include <exception>

class QPixmap;

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

    bool _AideHelp_Action();
    bool _MenuShowHideTools_Action();

    void UpdateMenus();
    // Fills the window's backdrop with the picture, cropped to fill.
    void SetBgkPicture(const QPixmap& picture, QWidget& window);
    // Shows the score summary if a game was started, then quits. Returns false.
    bool DoClose();
    void DoHelp();

    std::int32_t PrefVersion = 1;
    double Longueur = 0.0;
    double Scale = 0.0;
    double DefaultLength = 0.0;
    std::int32_t Unit = 0;
    std::int32_t Orientation = 0;
    bool SomeThingHasChanged = false;
    bool Quitter = false;
    bool QuitDone = false;
    std::int32_t WindowBarHeight = 0;

private:
    void bindMenuCommands();
};
