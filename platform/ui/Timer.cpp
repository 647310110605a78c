#include "platform/ui/Timer.h"

#include <QPointer>

#include <algorithm>

namespace platform::ui {

Timer::Timer(QObject* parent) : QObject(parent)
{
    timer_.setTimerType(Qt::PreciseTimer);
    connect(&timer_, &QTimer::timeout, this, &Timer::tick);
}

Timer::Timer(int intervalMs, bool enabled, QObject* parent) : Timer(parent)
{
    interval_ = std::max(intervalMs, 0);
    setEnabled(enabled);
}

void Timer::setInterval(int ms)
{
    interval_ = std::max(ms, 0);
    restart();
}

void Timer::setEnabled(bool enabled)
{
    if (enabled == enabled_)
        return;
    enabled_ = enabled;
    restart();
}

void Timer::restart()
{
    if (!enabled_ || interval_ == 0) {
        timer_.stop();
        return;
    }
    timer_.start(std::max(interval_, kShortestTickMs));
}

void Timer::tick()
{
    if (inTick_)
        return;
    inTick_ = true;
    const QPointer<Timer> self(this);
    emit timeout();
    // The handler may have destroyed its window and this timer with it.
    if (self)
        inTick_ = false;
}

}  // namespace platform::ui
