#pragma once

#include "platform/SingleInstance.h"

#include <QDialog>

#include <cstdint>

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QSlider;

// The preferences: language (applied at once), hornet speed and the update
// check at start. DoPrefs hands the values in and takes them back on OK.
class PrefsDlg : public QDialog, public platform::OneInstance<PrefsDlg> {
    Q_OBJECT
public:
    PrefsDlg();

    // Lays the dialog out and shows the values in force; runs whenever it
    // opens or becomes active again.
    void Init();
    // Every text in the language now in force, the pop-up's rows included.
    void FixeLangage();
    void SelectUnit();

    void PBOk_Action();
    void PBCancel_Action();
    // A row picked by the user: 0 follows the system, k the language k - 1.
    void PPLangage_Change(int row);
    void Slider1_ValueChanged(int value);

    void reject() override;

    bool Ok = false;
    double Longueur = 0.0;
    bool MayChange = false;
    std::int32_t Unit = 0;
    std::int32_t Orientation = 0;
    bool InitWasStarted = false;
    std::int32_t PrefsMaxVx = 0;

    QCheckBox& CBUpdAtStart() { return *m_cbUpdAtStart; }
    QLabel& STLangage() { return *m_stLangage; }
    QComboBox& PPLangage() { return *m_ppLangage; }
    QLabel& LabelVitesse() { return *m_labelVitesse; }
    QSlider& Slider1() { return *m_slider1; }
    QLabel& LabelSpeed() { return *m_labelSpeed; }
    QLabel& LabelMin() { return *m_labelMin; }
    QLabel& LabelMax() { return *m_labelMax; }
    QLabel& ImageWell1() { return *m_imageWell1; }
    QPushButton& PBOk() { return *m_pbOk; }
    QPushButton& PBCancel() { return *m_pbCancel; }

protected:
    bool event(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void setLangageLabel();

    QCheckBox* m_cbUpdAtStart;
    QLabel* m_stLangage;
    QComboBox* m_ppLangage;
    QLabel* m_labelVitesse;
    QSlider* m_slider1;
    QLabel* m_labelSpeed;
    QLabel* m_labelMin;
    QLabel* m_labelMax;
    QLabel* m_imageWell1;
    QPushButton* m_pbOk;
    QPushButton* m_pbCancel;
};
