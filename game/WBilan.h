#pragma once

#include "platform/SingleInstance.h"

#include <QDialog>

class QLabel;
class QPushButton;

// The score summary: games, hornets shot down, shots and the score.
// Shown modally by ShowResult.
class WBilan : public QDialog, public platform::OneInstance<WBilan> {
    Q_OBJECT
public:
    WBilan();

    void Event_Activate();
    void PBOk_Action();

    bool IsOk = false;

    QPushButton& PBOk() { return *m_pbOk; }
    QLabel& LabelNombreDeParties() { return *m_labelParties; }
    QLabel& LabelNombreDeFrelonsAbattus() { return *m_labelAbattus; }
    QLabel& LabelNombreDeTirs() { return *m_labelTirs; }
    QLabel& LabelScore() { return *m_labelScore; }

protected:
    bool event(QEvent* event) override;

private:
    QPushButton* m_pbOk;
    QLabel* m_labelParties;
    QLabel* m_labelAbattus;
    QLabel* m_labelTirs;
    QLabel* m_labelScore;
};
