#pragma once

#include "platform/SingleInstance.h"
#include "platform/Timer.h"

#include <QWidget>

class QLabel;

// The welcome window in front of the main window at start-up: the dog, the
// icon and two white lines. It goes after three seconds or at the first click.
class SplashScreen : public QWidget, public platform::OneInstance<SplashScreen> {
    Q_OBJECT
public:
    static constexpr QSize kSize { 500, 162 };

    SplashScreen();

    // Stops the timer, hides the splash screen and shows the main window.
    void CacheSplashScreen();
    void TimerSplash_Action();
    bool Event_MouseDown();

    QLabel& STSplash() { return *m_stSplash; }
    QLabel& STInfos() { return *m_stInfos; }
    QLabel& ImageWell1() { return *m_imageWell; }
    platform::Timer& TimerSplash() { return m_timerSplash; }

protected:
    void mousePressEvent(QMouseEvent* event) override;

private:
    QLabel* m_stSplash;
    QLabel* m_stInfos;
    QLabel* m_imageWell;
    platform::Timer m_timerSplash;
};
