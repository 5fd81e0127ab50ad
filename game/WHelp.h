#pragma once

#include "platform/SingleInstance.h"

#include <QDialog>

class QPushButton;
class QTextEdit;

// The help window: the keys of the game, in the language in force. Modeless;
// it opens by itself shortly after start-up and from the Help menu.
class WHelp : public QDialog, public platform::OneInstance<WHelp> {
    Q_OBJECT
public:
    WHelp();

    void Event_Activate();

    QTextEdit& TAHelp() { return *m_taHelp; }
    QPushButton& PBHide() { return *m_pbHide; }

protected:
    bool event(QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    QTextEdit* m_taHelp;
    QPushButton* m_pbHide;
};
