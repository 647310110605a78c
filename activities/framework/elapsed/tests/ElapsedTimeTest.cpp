#include "activities/framework/elapsed/ElapsedTime.h"

#include <QLocale>
#include <QTime>

#include <gtest/gtest.h>

using namespace elapsed;

namespace {

TimeOfDay at(int h, int m, int s) { return TimeOfDay::fromTime(QTime(h, m, s)); }

}  // namespace

TEST(ElapsedTime, ClockTextFromStartAndNow)
{
    struct Case {
        TimeOfDay start;
        TimeOfDay now;
        const char* text;
    };
    const Case cases[] = {
        {at(10, 15, 30), at(10, 17, 5), "00:01:35"},
        {at(23, 59, 50), at(0, 0, 10), "00:00:20"},   // past midnight
        {at(8, 0, 0), at(8, 0, 0), "00:00:00"},
        {at(0, 0, 0), at(23, 59, 59), "23:59:59"},
        {at(9, 0, 1), at(9, 0, 0), "23:59:59"},       // a whole day less one second
        {at(12, 0, 0), at(13, 2, 3), "01:02:03"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Elapsed_Time(c.start, c.now), c.text) << c.text;
}

TEST(ElapsedTime, TextIsFixedWidthSoTextOrderIsDurationOrder)
{
    // 4:10 against 3:59 and 4:11, and nine against ten hours, where a text
    // without leading zeros would sort the wrong way.
    const int seconds[] = {0, 9, 59, 239, 250, 251, 3599, 9 * 3600, 10 * 3600, 86399};
    for (int i = 0; i + 1 < int(std::size(seconds)); ++i) {
        const QString a = ElapsedTime(seconds[i]).text();
        const QString b = ElapsedTime(seconds[i + 1]).text();
        EXPECT_EQ(a.size(), 8);
        EXPECT_LT(a, b) << a.toStdString() << " " << b.toStdString();
    }
}

TEST(ElapsedTime, HoursWrapAtADayAndSecondsNeverGoNegative)
{
    EXPECT_EQ(ElapsedTime(86400 + 61).text(), "00:01:01");
    EXPECT_EQ(ElapsedTime(-5).seconds(), 0);
    EXPECT_EQ(TimeOfDay::fromSeconds(-1).seconds(), 86399);
    EXPECT_EQ(TimeOfDay::fromSeconds(86400).seconds(), 0);
}

TEST(ElapsedTime, TextDoesNotDependOnTheLocale)
{
    const QLocale saved;
    for (const char* name : {"ar_EG", "fa_IR", "en_US", "de_DE"}) {
        QLocale::setDefault(QLocale(QString::fromLatin1(name)));
        EXPECT_EQ(ElapsedTime(3723).text(), "01:02:03") << name;
        EXPECT_EQ(TimeOfDay::fromTime(QTime(13, 5, 9, 999)).seconds(), 13 * 3600 + 5 * 60 + 9) << name;
    }
    QLocale::setDefault(saved);
}
