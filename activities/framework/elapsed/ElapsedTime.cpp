#include "activities/framework/elapsed/ElapsedTime.h"

#include <QTime>

namespace elapsed {

TimeOfDay TimeOfDay::fromTime(const QTime& time)
{
    return fromSeconds(time.isValid() ? time.msecsSinceStartOfDay() / 1000 : 0);
}

QString ElapsedTime::text() const
{
    const int hours = (seconds_ / 3600) % 24;
    const int minutes = (seconds_ / 60) % 60;
    const int seconds = seconds_ % 60;
    return QStringLiteral("%1:%2:%3")
        .arg(hours, 2, 10, QLatin1Char('0'))
        .arg(minutes, 2, 10, QLatin1Char('0'))
        .arg(seconds, 2, 10, QLatin1Char('0'));
}

QString Elapsed_Time(TimeOfDay start, TimeOfDay now) { return ElapsedTime::between(start, now).text(); }

}  // namespace elapsed
