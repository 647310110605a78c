#include "main/core/update/WeeklyGate.h"

#include "main/core/startup/Registry.h"

namespace update {

namespace {

const QString kDateChecked = QStringLiteral("DateChecked");

}  // namespace

QString dateText(const QDate& date) { return date.toString(QStringLiteral("yyyy-MM-dd")); }

std::optional<QDate> readDate(const QString& text)
{
    const QDate date = QDate::fromString(text.trimmed(), QStringLiteral("yyyy-MM-dd"));
    if (!date.isValid()) return std::nullopt;
    return date;
}

bool WeeklyGate::run(const Setup& setup)
{
    if (ran_) return false;
    ran_ = true;
    // A value that is no date, or a day still to come (a clock once set ahead),
    // counts as missing: the week starts again today.
    std::optional<QDate> checked = readDate(startup::Get_Reg_String(setup.settingsKey, kDateChecked));
    if (!checked || *checked > setup.today) {
        checked = setup.today;
        startup::Save_Reg_String(setup.settingsKey, kDateChecked, dateText(setup.today));
    }
    if (setup.today < checked->addDays(kDaysBetweenChecks) || !setup.connected()) return false;
    startup::Save_Reg_String(setup.settingsKey, kDateChecked, dateText(setup.today));
    return setup.checkForUpdate();
}

}  // namespace update
