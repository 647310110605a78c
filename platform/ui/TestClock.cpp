#include "platform/ui/TestClock.h"

#include <QCoreApplication>

#include <algorithm>

namespace platform::ui {
namespace {

// Real time a wait on a test clock sleeps between looks at the clock.
constexpr qint64 kPollMs = 5;

}  // namespace

TestClock::TestClock(const QDateTime& start) : start_(start) { setActiveClock(this); }

TestClock::~TestClock()
{
    if (&activeClock() == this)
        setActiveClock(nullptr);
}

bool TestClock::runEventsFor(qint64 maxMs)
{
    if (!autoAdvance_)
        return runEventLoopFor(std::min(maxMs, kPollMs));
    QCoreApplication::processEvents();
    advance(maxMs);
    return true;
}

void TestClock::advance(qint64 ms) { elapsedMs_ += std::max<qint64>(ms, 0); }

void TestClock::setNow(const QDateTime& now) { start_ = now.addMSecs(-elapsedMs_); }

}  // namespace platform::ui
