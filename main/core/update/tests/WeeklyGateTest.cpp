#include "main/core/update/WeeklyGate.h"

#include "main/core/startup/Registry.h"

#include <QLocale>

#include <gtest/gtest.h>

namespace {

const QString kKey = startup::programKey("dvlfre");
const QDate kToday(2024, 3, 11);

QString stored() { return startup::Get_Reg_String(kKey, "DateChecked", "<none>"); }

}  // namespace

TEST(WeeklyGate, ChecksOnceAWeekWhenOnlineAndStoresTheDayFirst)
{
    struct Case {
        const char* name;
        QString before;  // "<none>": no value
        bool online;
        bool checks;
        QString after;
    };
    const QString today = "2024-03-11";
    const std::vector<Case> cases{
        {"missing", "<none>", true, false, today},
        {"today", today, true, false, today},
        {"6 days ago", "2024-03-05", true, false, "2024-03-05"},
        {"7 days ago", "2024-03-04", true, true, today},
        {"7 days ago, offline", "2024-03-04", false, false, "2024-03-04"},
        {"a year ago", "2023-03-11", true, true, today},
        {"in the desktop's short form", QLocale::system().toString(kToday.addDays(-30), QLocale::ShortFormat), true,
         false, today},
        {"not a date", "soon", true, false, today},
        {"a day to come", "2024-12-24", true, false, today},
    };
    for (const Case& c : cases) {
        if (c.before == "<none>")
            startup::Save_Reg_String(kKey, "DateChecked", "");
        else
            startup::Save_Reg_String(kKey, "DateChecked", c.before);
        bool checked = false;
        update::WeeklyGate gate;
        const bool end = gate.run({kKey, kToday, [&] { return c.online; }, [&] {
                                       checked = true;
                                       // Stored before the check runs, so a check that never ends is not retried.
                                       EXPECT_EQ(stored(), today) << c.name;
                                       return false;
                                   }});
        EXPECT_FALSE(end) << c.name;
        EXPECT_EQ(checked, c.checks) << c.name;
        EXPECT_EQ(stored(), c.after) << c.name;
    }
}

TEST(WeeklyGate, AFlaggedUpdateEndsTheProgramAndTheCheckRunsOncePerStart)
{
    startup::Save_Reg_String(kKey, "DateChecked", "2024-01-01");
    int checks = 0;
    update::WeeklyGate gate;
    const update::WeeklyGate::Setup setup{kKey, kToday, [] { return true; }, [&] {
                                              ++checks;
                                              return true;
                                          }};
    EXPECT_TRUE(gate.run(setup));
    startup::Save_Reg_String(kKey, "DateChecked", "2024-01-01");
    EXPECT_FALSE(gate.run(setup));
    EXPECT_EQ(checks, 1);
}

TEST(WeeklyGate, DaysAreWrittenTheSameWhateverTheLanguage)
{
    const QLocale before;
    for (const char* language : {"en_US", "de_DE", "fr_FR", "ar_EG"}) {
        QLocale::setDefault(QLocale(language));
        EXPECT_EQ(update::dateText(QDate(2024, 3, 4)), "2024-03-04") << language;
        EXPECT_EQ(update::readDate("2024-03-04"), QDate(2024, 3, 4)) << language;
    }
    QLocale::setDefault(before);
    EXPECT_EQ(update::readDate("04.03.2024"), std::nullopt);
    EXPECT_EQ(update::readDate(""), std::nullopt);
}
