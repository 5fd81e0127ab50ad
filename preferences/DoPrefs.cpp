#include "shell/App.h"

#include "game/Flight.h"
#include "game/MW.h"
#include "game/TolunBug.h"
#include "localization/AutoLangModule.h"
#include "localization/TolunBasic.h"
#include "platform/ModalShow.h"
#include "preferences/PrefsDlg.h"
#include "updates/SparkleModule.h"

#include <QCheckBox>

void App::DoPrefs()
{
    const std::int32_t oldSpeed = TolunBug::MaxVx;
    const std::int32_t oldLangage = TolunBasic::Langage;
    const bool oldAutomatic = AutoLangModule::Automatic;

    PrefsDlg& dialog = PrefsDlg::instance();
    dialog.Ok = false;
    dialog.Longueur = Longueur;
    dialog.Unit = Unit;
    dialog.Orientation = Orientation;
    dialog.CBUpdAtStart().setChecked(SparkleModule::CheckAtStart);
    dialog.PrefsMaxVx = TolunBug::MaxVx;
    platform::ShowModal(dialog);

    if (dialog.Ok) {
        TolunBug::MaxVx = dialog.PrefsMaxVx;
        if (TolunBug::MaxVx != oldSpeed && MW::exists())
            RescaleVelocity(MW::instance().scene(), oldSpeed, TolunBug::MaxVx);
        SetLongueur(dialog.Longueur);
        Unit = dialog.Unit;
        SparkleModule::CheckAtStart = dialog.CBUpdAtStart().isChecked();
        Orientation = dialog.Orientation;
        WritePreferences();
    } else {
        // Cancel undoes the language picked in the dialog, automatic choice included.
        TolunBasic::Langage = oldLangage;
        AutoLangModule::Automatic = oldAutomatic;
        TolunBasic::SetLangage();
    }
}
