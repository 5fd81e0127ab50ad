#pragma once

#include <QMenuBar>
#include <QPointer>

class QAction;
class QMenu;
struct ShellTexts;

// The application's menu bar: File, Edit, Tools and Help, with the texts the
// items carry before the first language switch. The application binds its
// commands to the items; the language switch relabels them.
class MainMenuBar : public QMenuBar {
    Q_OBJECT
public:
    explicit MainMenuBar(QWidget* parent = nullptr);

    // The main window's menu bar, once the main window exists.
    static MainMenuBar* existing();

    void SetTexts(const ShellTexts& texts, const QString& aboutTitle);

    QMenu* FichierMenu;
    QAction* MenuOpen;
    // A placeholder until the recent-files list first rebuilds its item here.
    QPointer<QAction> MenuRecent;
    QAction* FilePrtOptions;
    QAction* FileQuit;

    QMenu* EditMenu;
    QAction* EditUndo;
    QAction* UntitledMenu1;
    QAction* EditCut;
    QAction* EditCopy;
    QAction* EditPaste;
    QAction* EditEffacer;
    QAction* UntitledMenu0;
    QAction* EditSelectAll;

    QMenu* MenuTools;
    QAction* MenuShowHideTools;

    QMenu* AideMenu;
    QAction* AideHelp;
    QAction* AidePreferences;
    QAction* UntitledSeparator0;
    QAction* AideApropos;
    QAction* MenuCheckUpdate;
};
