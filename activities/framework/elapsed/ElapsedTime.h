#pragma once

// The clock of the time-scored activities. Times are whole seconds, never text:
// the shown and stored text "HH:MM:SS" is made from seconds and never read back,
// so it does not depend on how the system writes a time of day.
#include <QString>

class QTime;

namespace elapsed {

inline constexpr int kSecondsPerDay = 86400;

// A time of day as whole seconds since midnight (0 to 86399).
class TimeOfDay {
public:
    constexpr TimeOfDay() = default;
    // Any whole number of seconds, taken modulo one day.
    static constexpr TimeOfDay fromSeconds(long long seconds)
    {
        const long long inDay = seconds % kSecondsPerDay;
        return TimeOfDay(static_cast<int>(inDay < 0 ? inDay + kSecondsPerDay : inDay));
    }
    // Fractions of a second are dropped.
    static TimeOfDay fromTime(const QTime& time);

    constexpr int seconds() const { return seconds_; }
    friend constexpr bool operator==(TimeOfDay, TimeOfDay) = default;

private:
    constexpr explicit TimeOfDay(int seconds) : seconds_(seconds) {}
    int seconds_ = 0;
};

// A duration in whole seconds, shown as two-digit hours, minutes and seconds.
class ElapsedTime {
public:
    constexpr ElapsedTime() = default;
    constexpr explicit ElapsedTime(int seconds) : seconds_(seconds < 0 ? 0 : seconds) {}

    // From start to now on the same clock face: a now earlier in the day than
    // start means the clock passed midnight, so a day is added. Only times of
    // day are compared, so a run of a whole day or more reads short.
    static constexpr ElapsedTime between(TimeOfDay start, TimeOfDay now)
    {
        int e = now.seconds() - start.seconds();
        if (e < 0)
            e += kSecondsPerDay;
        return ElapsedTime(e);
    }

    constexpr int seconds() const { return seconds_; }

    // "HH:MM:SS"; hours are counted modulo 24, so the text always has eight
    // characters and comparing two texts compares the durations.
    QString text() const;

    friend constexpr auto operator<=>(ElapsedTime, ElapsedTime) = default;

private:
    int seconds_ = 0;
};

// The clock text from a start time and the present time of day.
QString Elapsed_Time(TimeOfDay start, TimeOfDay now);

}  // namespace elapsed
