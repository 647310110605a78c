#include "platform/ui/Clock.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>

#include <algorithm>

namespace platform::ui {
namespace {

Clock*& installed()
{
    static Clock* current = nullptr;
    return current;
}

}  // namespace

qint64 SystemClock::monotonicMs() const
{
    static const QElapsedTimer origin = [] {
        QElapsedTimer timer;
        timer.start();
        return timer;
    }();
    return origin.elapsed();
}

QDateTime SystemClock::now() const { return QDateTime::currentDateTime(); }

bool SystemClock::runEventsFor(qint64 maxMs) { return runEventLoopFor(maxMs); }

Clock& activeClock()
{
    static SystemClock system;
    Clock* current = installed();
    return current ? *current : system;
}

void setActiveClock(Clock* clock) { installed() = clock; }

double secondsSinceMidnight() { return activeClock().now().time().msecsSinceStartOfDay() / 1000.0; }

bool runEventLoopFor(qint64 ms)
{
    QEventLoop loop;
    QTimer wake;
    wake.setSingleShot(true);
    wake.setTimerType(Qt::PreciseTimer);
    bool woken = false;
    QObject::connect(&wake, &QTimer::timeout, &loop, [&] {
        woken = true;
        loop.quit();
    });
    wake.start(static_cast<int>(std::clamp<qint64>(ms, 0, 24 * 3600 * 1000)));
    loop.exec();
    return woken;
}

}  // namespace platform::ui
