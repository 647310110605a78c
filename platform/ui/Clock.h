#pragma once

#include <QDateTime>
#include <QtGlobal>

namespace platform::ui {

// The clock that waits and games read. Programs use the system clock; tests
// install a TestClock and move time by hand.
class Clock {
public:
    virtual ~Clock() = default;

    // Milliseconds from an arbitrary origin; never goes back.
    virtual qint64 monotonicMs() const = 0;
    // The local date and time of day.
    virtual QDateTime now() const = 0;

    // Lets window events (timers, clicks, paints) run for at most maxMs of this
    // clock's time, sleeping while there are none. False when the program's event
    // loops are being left (the application quits), so a wait should end.
    virtual bool runEventsFor(qint64 maxMs) = 0;
};

// The real clock: a monotonic timer and the system's local time.
class SystemClock : public Clock {
public:
    qint64 monotonicMs() const override;
    QDateTime now() const override;
    bool runEventsFor(qint64 maxMs) override;
};

// The clock in use.
Clock& activeClock();

// Installs a clock (not owned); nullptr restores the system clock.
void setActiveClock(Clock* clock);

// Seconds since midnight of activeClock().now(), with milliseconds.
double secondsSinceMidnight();

// Runs a nested event loop for ms of real time, sleeping while there are no
// events. False when the loop was left early because event loops are being left.
bool runEventLoopFor(qint64 ms);

}  // namespace platform::ui
