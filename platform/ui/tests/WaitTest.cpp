#include "platform/ui/Clock.h"
#include "platform/ui/TestClock.h"
#include "platform/ui/Timer.h"
#include "platform/ui/Wait.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <ctime>

using namespace platform::ui;

TEST(Wait, StartsAtTheTimeOfDayRoundedToAWholeSecond)
{
    struct Case {
        int seconds;
        int msOfDay;
        qint64 duration;
    };
    const Case cases[] = {
        {1, 10'000, 1000},
        {1, 10'490, 510},   // just before the half second: rounded down, about half a second
        {1, 10'510, 1490},  // just after: rounded up, about one and a half
        {1, 10'500, 500},   // halves round to even: 10.5 -> 10
        {1, 11'500, 1500},  // 11.5 -> 12
        {3, 0, 3000},
        {2, 86'399'700, 2300},  // just before midnight: the wait still lasts its time
        {0, 10'400, 0},
        {0, 10'600, 400},
        {-1, 10'000, 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(waitDurationMs(c.seconds, c.msOfDay), c.duration) << c.seconds << " s at " << c.msOfDay;
}

TEST(Wait, MeasuresOnTheMonotonicClockAcrossMidnight)
{
    TestClock clock(QDateTime(QDate(2024, 3, 4), QTime(23, 59, 59, 700)));
    clock.setAutoAdvance(true);
    waitSeconds(1);
    EXPECT_EQ(clock.monotonicMs(), 1300);
    EXPECT_EQ(clock.now(), QDateTime(QDate(2024, 3, 5), QTime(0, 0, 1)));
}

TEST(Wait, EndsPromptlyOnceTheTestClockIsAdvancedAndEventsRunMeanwhile)
{
    TestClock clock;
    Timer ticker(20, true);
    int ticks = 0;
    QObject::connect(&ticker, &Timer::timeout, [&] { ++ticks; });
    QPushButton button("OK");
    button.show();
    bool clicked = false;
    QObject::connect(&button, &QPushButton::clicked, [&] { clicked = true; });

    QTimer::singleShot(50, [&] { QTest::mouseClick(&button, Qt::LeftButton); });
    QTimer::singleShot(150, [&] { clock.advance(5000); });
    QElapsedTimer real;
    real.start();
    waitSeconds(5);
    EXPECT_LT(real.elapsed(), 1000);
    EXPECT_GE(real.elapsed(), 140);
    EXPECT_TRUE(clicked);
    EXPECT_GE(ticks, 3);
}

TEST(Wait, SleepsBetweenEventsOnTheSystemClock)
{
    ASSERT_EQ(dynamic_cast<SystemClock*>(&activeClock()) != nullptr, true);
    const std::clock_t cpuBefore = std::clock();
    QElapsedTimer real;
    real.start();
    waitSeconds(1);
    const double cpuMs = 1000.0 * static_cast<double>(std::clock() - cpuBefore) / CLOCKS_PER_SEC;
    EXPECT_GE(real.elapsed(), 490);
    EXPECT_LE(real.elapsed(), 1600);
    EXPECT_LT(cpuMs, 0.2 * static_cast<double>(real.elapsed()));
}

TEST(Wait, EndsWhenTheProgramQuits)
{
    TestClock clock;
    QTimer::singleShot(50, [] { QCoreApplication::exit(0); });
    QElapsedTimer real;
    real.start();
    waitSeconds(30);
    EXPECT_LT(real.elapsed(), 1000);
}

TEST(Clock, TestClockRestoresTheSystemClockWhenItGoes)
{
    {
        TestClock clock(QDateTime(QDate(2024, 1, 2), QTime(8, 30, 15, 250)));
        EXPECT_EQ(&activeClock(), &clock);
        EXPECT_DOUBLE_EQ(secondsSinceMidnight(), 8 * 3600 + 30 * 60 + 15.25);
        clock.setNow(QDateTime(QDate(2024, 1, 2), QTime(9, 0)));
        EXPECT_EQ(clock.monotonicMs(), 0);
        clock.advance(1500);
        EXPECT_EQ(clock.now().time(), QTime(9, 0, 1, 500));
    }
    EXPECT_NE(dynamic_cast<SystemClock*>(&activeClock()), nullptr);
}
