#pragma once

#include "platform/FrameClock.h"

#include <QBasicTimer>
#include <QObject>

#include <chrono>
#include <cstdint>
#include <functional>

namespace platform {

// A timer with the system's period, single or repeating mode, and on/off.
// A repeating timer whose period is shorter than a frame delivers its ticks on
// the 60 Hz frame clock: the game's 1 ms flight timer ticks once per frame,
// whatever the screen, instead of a thousand times a second.
class Timer : public QObject {
public:
    enum class Mode { Single, Multiple };

    Timer(std::chrono::milliseconds period, Mode mode, std::function<void()> action, QObject* parent = nullptr);

    void setOn(bool on);
    bool isOn() const { return m_on; }
    Mode mode() const { return m_mode; }
    std::chrono::milliseconds period() const { return m_period; }
    bool isFramePaced() const;

    // Ticks delivered since the timer was made.
    std::int64_t ticksDelivered() const { return m_ticks; }

protected:
    void timerEvent(QTimerEvent* event) override;

private:
    void scheduleNext();

    std::chrono::milliseconds m_period;
    Mode m_mode;
    std::function<void()> m_action;
    bool m_on = false;
    std::int64_t m_ticks = 0;
    QBasicTimer m_timer;
};

} // namespace platform
