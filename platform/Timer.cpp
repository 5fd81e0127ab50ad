#include "platform/Timer.h"

#include "platform/Application.h"

#include <QTimerEvent>

namespace platform {

Timer::Timer(std::chrono::milliseconds period, Mode mode, std::function<void()> action, QObject* parent)
    : QObject(parent)
    , m_period(period)
    , m_mode(mode)
    , m_action(std::move(action))
{
}

bool Timer::isFramePaced() const
{
    return m_mode == Mode::Multiple && m_period < FrameClock::kFrame;
}

void Timer::setOn(bool on)
{
    if (on == m_on)
        return;
    m_on = on;
    if (!on) {
        m_timer.stop();
        return;
    }
    if (isFramePaced()) {
        scheduleNext();
    } else {
        m_timer.start(static_cast<int>(m_period.count()), Qt::PreciseTimer, this);
    }
}

void Timer::scheduleNext()
{
    // Round up so that a tick never lands before its grid point.
    const auto wait = std::chrono::ceil<std::chrono::milliseconds>(FrameClock::untilNextFrame());
    m_timer.start(static_cast<int>(wait.count()), Qt::PreciseTimer, this);
}

void Timer::timerEvent(QTimerEvent* event)
{
    if (event->timerId() != m_timer.timerId()) {
        QObject::timerEvent(event);
        return;
    }
    // The state is settled before the action runs: the action may switch the
    // timer off or throw.
    if (m_mode == Mode::Single) {
        m_on = false;
        m_timer.stop();
    } else if (isFramePaced()) {
        scheduleNext();
    }
    ++m_ticks;
    if (m_action)
        runGuarded(m_action);
}

} // namespace platform
