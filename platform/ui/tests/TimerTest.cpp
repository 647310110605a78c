#include "platform/ui/Timer.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

using platform::ui::Timer;

namespace {

// Real milliseconds from now until the timer's next tick (or -1 after limitMs).
qint64 msToNextTick(Timer& timer, int limitMs = 2000)
{
    QElapsedTimer elapsed;
    elapsed.start();
    QSignalSpy spy(&timer, &Timer::timeout);
    return spy.wait(limitMs) ? elapsed.elapsed() : -1;
}

}  // namespace

TEST(Timer, AnIntervalOfZeroNeverFires)
{
    Timer timer(0, true);
    QSignalSpy spy(&timer, &Timer::timeout);
    QTest::qWait(120);
    EXPECT_EQ(spy.count(), 0);
    EXPECT_TRUE(timer.isEnabled());

    timer.setInterval(20);  // an enabled timer starts as soon as it gets an interval
    EXPECT_TRUE(spy.wait(500));
}

TEST(Timer, EnablingARunningTimerDoesNotRestartIt)
{
    Timer timer(400, true);
    QTest::qWait(250);
    timer.setEnabled(true);
    // Restarted, the tick would come about 400 ms from now; unchanged it comes in about 150.
    const qint64 ms = msToNextTick(timer);
    EXPECT_GE(ms, 0);
    EXPECT_LT(ms, 300);
}

TEST(Timer, SettingTheIntervalRestartsAnEnabledTimer)
{
    Timer timer(400, true);
    QTest::qWait(250);
    timer.setInterval(400);
    EXPECT_GT(msToNextTick(timer), 300);
}

TEST(Timer, DisablingStopsAndEnablingStartsAFreshCount)
{
    Timer timer(60, false);
    QSignalSpy spy(&timer, &Timer::timeout);
    QTest::qWait(120);
    EXPECT_EQ(spy.count(), 0);
    timer.setEnabled(true);
    EXPECT_TRUE(spy.wait(500));
    timer.setEnabled(false);
    const int ticks = spy.count();
    QTest::qWait(150);
    EXPECT_EQ(spy.count(), ticks);
}

TEST(Timer, ShortIntervalsRunAtTheShortestTick)
{
    Timer timer(1, true);
    QSignalSpy spy(&timer, &Timer::timeout);
    QTest::qWait(200);
    EXPECT_EQ(timer.interval(), 1);
    EXPECT_GE(spy.count(), 3);
    EXPECT_LE(spy.count(), 200 / Timer::kShortestTickMs + 1);
}

TEST(Timer, ATickNeverRunsInsideItsOwnHandlerButOtherTimersDo)
{
    Timer slow(20, true);
    Timer other(20, true);
    int depth = 0;
    int deepest = 0;
    int slowTicks = 0;
    int otherTicks = 0;
    QObject::connect(&slow, &Timer::timeout, [&] {
        ++slowTicks;
        deepest = std::max(deepest, ++depth);
        if (slowTicks == 1) {
            // A pause inside the tick, as a game's wait does.
            QEventLoop loop;
            QTimer::singleShot(150, &loop, &QEventLoop::quit);
            loop.exec();
        }
        --depth;
    });
    QObject::connect(&other, &Timer::timeout, [&] { ++otherTicks; });
    QTest::qWait(250);
    EXPECT_EQ(deepest, 1);
    EXPECT_GE(otherTicks, 4);
    EXPECT_GE(slowTicks, 2);  // it goes on ticking once the handler has returned
}

TEST(Timer, AHandlerMayDestroyItsTimer)
{
    auto* timer = new Timer(20, true);
    bool ran = false;
    QObject::connect(timer, &Timer::timeout, [&] {
        ran = true;
        delete timer;
    });
    QTest::qWait(100);
    EXPECT_TRUE(ran);
}
