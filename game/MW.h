#pragma once

#include "game/Scene.h"

#include "platform/Canvas.h"
#include "platform/SingleInstance.h"
#include "platform/Timer.h"

#include <QMainWindow>

#include <cstdint>

class QPushButton;
class QTreeWidget;

// The main window and the stage of the game: it owns the scene, the canvas it
// is drawn on and the three timers that drive the game.
class MW : public QMainWindow, public platform::OneInstance<MW> {
    Q_OBJECT
public:
    static constexpr QSize kInitialSize { 650, 473 };

    MW();
    ~MW() override;

    // Window events.
    void Event_Open();
    bool CancelClose();
    bool Event_KeyDown(const QString& key);

    // The scene reset: a new hornet and aim, game stopped.
    void ResetExplosion();
    // Lays the canvas out for the window's size: the hornet recentred, the sky restretched.
    void DoResize();
    // Starts or pauses the game.
    void DoGo();

    void TimerFrelon_Action();
    void TimerBee_Action();
    void TimerHelp_Action();
    void PBGo_Action();
    void Cnvs_Paint(QPainter& g);

    // The size of the area below the menu bar, where the controls live.
    QSize contentSize() const;
    void setContentSize(QSize size);
    // The window's place and size on the screen, menu bar included, frame excluded.
    QRect windowRect() const;
    void setWindowRect(const QRect& rect);

    Scene& scene() { return m_scene; }
    platform::Canvas& Cnvs() { return *m_cnvs; }
    QPushButton& PBGo() { return *m_pbGo; }
    QTreeWidget& LBRecents() { return *m_lbRecents; }
    platform::Timer& TimerFrelon() { return m_timerFrelon; }
    platform::Timer& TimerBee() { return m_timerBee; }
    platform::Timer& TimerHelp() { return m_timerHelp; }

    // Not read or changed by the game.
    bool MovedByMW = false;
    bool ToolsAlreadyPlaced = false;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    QSize hornetSize() const;
    // Asks for the part of the canvas that the last paint drew and the next will.
    void requestSceneRepaint();
    // The shot's part of a paint: its line, its test, a hit's explosion.
    void ShotStep(QPainter& g);

    Scene m_scene;
    QRegion m_drawn; // what the last paint drew
    QWidget* m_content;
    QTreeWidget* m_lbRecents;
    platform::Canvas* m_cnvs;
    QPushButton* m_pbGo;
    platform::Timer m_timerFrelon;
    platform::Timer m_timerBee;
    platform::Timer m_timerHelp;
};
