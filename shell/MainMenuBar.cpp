#include "shell/MainMenuBar.h"

#include "game/MW.h"
#include "localization/ShellTexts.h"

#include <QApplication>
#include <QMenu>

namespace {

QAction* item(QMenu* menu, const QString& text, const QKeySequence& shortcut = {}, QAction::MenuRole role = QAction::NoRole)
{
    QAction* action = menu->addAction(text);
    action->setShortcut(shortcut);
    action->setMenuRole(role);
    return action;
}

// The Edit items act on the focused text control, through the editing slot
// of that name when it has one.
void editFocused(QAction* action, const char* slot)
{
    QObject::connect(action, &QAction::triggered, action, [slot] {
        if (QWidget* focus = QApplication::focusWidget())
            QMetaObject::invokeMethod(focus, slot);
    });
}

} // namespace

MainMenuBar::MainMenuBar(QWidget* parent)
    : QMenuBar(parent)
{
    FichierMenu = addMenu(QStringLiteral("&Fichier"));
    MenuOpen = item(FichierMenu, QStringLiteral("Open"), QKeySequence(QStringLiteral("Ctrl+O")));
    // The recent-files submenu takes this place.
    MenuRecent = item(FichierMenu, QStringLiteral("Sans_titre"));
    MenuRecent->setObjectName(QStringLiteral("MenuRecent"));
    FilePrtOptions = item(FichierMenu, QStringLiteral("Mise en page..."));
    FileQuit = item(FichierMenu, QStringLiteral("Quitter"), QKeySequence(QStringLiteral("Ctrl+Q")), QAction::QuitRole);

    EditMenu = addMenu(QStringLiteral("Édition"));
    EditUndo = item(EditMenu, QStringLiteral("Annuler"), QKeySequence(QStringLiteral("Ctrl+Z")));
    UntitledMenu1 = EditMenu->addSeparator();
    EditCut = item(EditMenu, QStringLiteral("Couper"), QKeySequence(QStringLiteral("Ctrl+X")));
    EditCopy = item(EditMenu, QStringLiteral("&Copier"), QKeySequence(QStringLiteral("Ctrl+C")));
    EditPaste = item(EditMenu, QStringLiteral("Coller"), QKeySequence(QStringLiteral("Ctrl+V")));
    EditEffacer = item(EditMenu, QStringLiteral("Effacer"));
    UntitledMenu0 = EditMenu->addSeparator();
    EditSelectAll = item(EditMenu, QStringLiteral("Tout Sélectionner"), QKeySequence(QStringLiteral("Ctrl+A")));
    editFocused(EditUndo, "undo");
    editFocused(EditCut, "cut");
    editFocused(EditCopy, "copy");
    editFocused(EditPaste, "paste");
    editFocused(EditEffacer, "del");
    editFocused(EditSelectAll, "selectAll");

    MenuTools = addMenu(QStringLiteral("Tools"));
    MenuShowHideTools = item(MenuTools, QStringLiteral("Show tools"));

    AideMenu = addMenu(QStringLiteral("Aide"));
    AideHelp = item(AideMenu, QString(), QKeySequence(Qt::Key_F1));
    AidePreferences = item(AideMenu, QStringLiteral("Préférences..."), QKeySequence(QStringLiteral("Ctrl+,")), QAction::PreferencesRole);
    UntitledSeparator0 = AideMenu->addSeparator();
    AideApropos = item(AideMenu, QStringLiteral("À propos..."), QKeySequence(QStringLiteral("Ctrl+:")), QAction::AboutRole);
    MenuCheckUpdate = item(AideMenu, QStringLiteral("Check Update"), QKeySequence(QStringLiteral("Ctrl+;")), QAction::ApplicationSpecificRole);
}

MainMenuBar* MainMenuBar::existing()
{
    if (!MW::exists())
        return nullptr;
    return qobject_cast<MainMenuBar*>(MW::instance().menuWidget());
}

void MainMenuBar::SetTexts(const ShellTexts& t, const QString& aboutTitle)
{
    FichierMenu->setTitle(t.FichierMenu);
    MenuOpen->setText(t.MenuOpen);
    FilePrtOptions->setText(t.FilePrtOptions);
    EditMenu->setTitle(t.EditMenu);
    EditUndo->setText(t.EditUndo);
    EditCut->setText(t.EditCut);
    EditCopy->setText(t.EditCopy);
    EditPaste->setText(t.EditPaste);
    EditEffacer->setText(t.EditEffacer);
    EditSelectAll->setText(t.EditSelectAll);
    AideMenu->setTitle(t.AideMenu);
    AideHelp->setText(t.AideHelp);
    AidePreferences->setText(t.AidePreferences);
    AideApropos->setText(aboutTitle + QStringLiteral("Zumblo") + QStringLiteral("..."));
    MenuTools->setTitle(t.MenuTools);
    MenuShowHideTools->setText(t.MenuShowHideTools);
}
