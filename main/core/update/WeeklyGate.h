#pragma once

#include <QDate>
#include <QString>

#include <functional>
#include <optional>

namespace update {

// "DateChecked" holds the day of the last update check as yyyy-MM-dd, the same
// whatever the desktop's language.
QString dateText(const QDate& date);
// The stored day; nothing for a value that is not such a date.
std::optional<QDate> readDate(const QString& text);

// The end of start-up: at most once a week, and only when online, the program
// asks whether its version may go on. The day is stored before the check runs,
// so a check that hangs or fails is not tried again at every start.
class WeeklyGate {
public:
    struct Setup {
        QString settingsKey;  // the program's registry key
        QDate today;
        std::function<bool()> connected;
        std::function<bool()> checkForUpdate;  // true: the program must end
    };

    static constexpr int kDaysBetweenChecks = 7;

    // True when the check ran and says the program must end. Runs the check at
    // most once in the life of the gate, however often it is asked.
    bool run(const Setup& setup);

private:
    bool ran_ = false;
};

}  // namespace update
