#include "main/core/shared/Wait.h"

#include "platform/ui/TestClock.h"

#include <QTimer>

#include <gtest/gtest.h>

using platform::ui::TestClock;

// Wait counts from the time of day rounded to a whole second, so a one-second
// wait lasts between half a second and one and a half; midnight changes nothing.
TEST(Wait, OneSecondLastsFromHalfToOneAndAHalfSecondsAlsoAcrossMidnight)
{
    struct Case {
        QTime start;
        qint64 lastsMs;
    };
    const std::vector<Case> cases{
        {QTime(10, 0, 0, 300), 700},
        {QTime(10, 0, 0, 700), 1300},
        {QTime(23, 59, 59, 300), 700},
        {QTime(23, 59, 59, 700), 1300},
        {QTime(0, 0, 0, 0), 1000},
    };
    for (const Case& c : cases) {
        TestClock clock(QDateTime(QDate(2024, 3, 4), c.start));
        clock.setAutoAdvance(true);
        shared::Wait(1);
        EXPECT_NEAR(clock.monotonicMs(), c.lastsMs, 20) << c.start.toString("hh:mm:ss.zzz").toStdString();
    }
}

TEST(Wait, TimersKeepFiringDuringTheWait)
{
    TestClock clock(QDateTime(QDate(2024, 3, 4), QTime(23, 59, 59, 900)));
    int ticks = 0;
    QTimer timer;
    QObject::connect(&timer, &QTimer::timeout, [&] {
        ++ticks;
        clock.advance(100);
    });
    timer.start(1);
    shared::Wait(2);
    // The clock moves only in the timer's steps of 100 ms, so the wait ends on
    // the first step at or after 2.1 seconds (a few steps may run at once).
    EXPECT_GE(ticks, 21);
    EXPECT_GE(clock.monotonicMs(), 2100);
    EXPECT_LT(clock.monotonicMs(), 3000);
}
