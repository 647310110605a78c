#include "platform/ui/Wait.h"

#include "platform/ui/Clock.h"

#include <algorithm>

namespace platform::ui {

qint64 waitDurationMs(int seconds, int msOfDay)
{
    const qint64 whole = msOfDay / 1000;
    const qint64 fraction = msOfDay % 1000;
    const bool roundUp = fraction > 500 || (fraction == 500 && whole % 2 == 1);
    const qint64 roundedStart = (whole + (roundUp ? 1 : 0)) * 1000;
    return std::max<qint64>(0, static_cast<qint64>(seconds) * 1000 + roundedStart - msOfDay);
}

void waitSeconds(int seconds)
{
    Clock& source = activeClock();
    const qint64 end = source.monotonicMs() + waitDurationMs(seconds, source.now().time().msecsSinceStartOfDay());
    for (qint64 now = source.monotonicMs(); now < end; now = source.monotonicMs()) {
        if (!source.runEventsFor(end - now))
            return;
    }
}

}  // namespace platform::ui
