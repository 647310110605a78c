#pragma once

#include "platform/ui/Clock.h"

namespace platform::ui {

// A clock for tests that moves only when told. Its constructor installs it as
// the clock in use and its destructor restores the system clock.
//
// Without auto-advance, runEventsFor lets real events run for a few milliseconds
// and does not move the clock: a wait ends once the test (or an event it set up)
// calls advance(). With auto-advance, runEventsFor handles the pending events and
// then moves the clock by the whole time asked for, so a wait never blocks.
class TestClock : public Clock {
public:
    // Starts at start (local time) with the monotonic reading 0.
    explicit TestClock(const QDateTime& start = QDateTime(QDate(2024, 3, 4), QTime(10, 0)));
    ~TestClock() override;
    TestClock(const TestClock&) = delete;
    TestClock& operator=(const TestClock&) = delete;

    qint64 monotonicMs() const override { return elapsedMs_; }
    QDateTime now() const override { return start_.addMSecs(elapsedMs_); }
    bool runEventsFor(qint64 maxMs) override;

    // Moves both readings forward (negative values are ignored).
    void advance(qint64 ms);
    // Sets the time of day and date without moving the monotonic reading.
    void setNow(const QDateTime& now);
    void setAutoAdvance(bool on) { autoAdvance_ = on; }

private:
    QDateTime start_;
    qint64 elapsedMs_ = 0;
    bool autoAdvance_ = false;
};

}  // namespace platform::ui
