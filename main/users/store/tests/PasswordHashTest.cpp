#include "main/users/store/PasswordHash.h"

#include <QStringList>

#include <gtest/gtest.h>

namespace users {
namespace {

// Few iterations keep the table of cases fast; the count travels in the hash.
constexpr int kFast = 1000;

TEST(PasswordHash, StoredFormIsSelfDescribing)
{
    const QString hash = hashPassword(QStringLiteral("secret"));
    const QStringList parts = hash.split(QLatin1Char('$'));
    ASSERT_EQ(parts.size(), 4);
    EXPECT_EQ(parts[0], QStringLiteral("pbkdf2-sha256"));
    EXPECT_EQ(parts[1], QString::number(kPasswordIterations));
    EXPECT_FALSE(hash.contains(QStringLiteral("SECRET")));
    EXPECT_TRUE(passwordMatches(hash, QStringLiteral("secret")));
}

TEST(PasswordHash, TypedTextIsTrimmedAndCaseBlind)
{
    struct Case {
        const char* stored;
        const char* typed;
        bool matches;
    };
    const Case cases[] = {
        {"Secret", "secret", true},
        {"Secret", "SECRET", true},
        {"  Secret ", "Secret", true},
        {"Secret", "\tsecret  ", true},
        {"Secret", "Secre t", false},
        {"Secret", "Secret1", false},
        {"Secret", "", false},
        // Upper-cased one character at a time: "ß" stays "ß", it never becomes "SS".
        {"straße", "STRAßE", true},
        {"straße", "STRASSE", false},
        {"élan", "ÉLAN", true},
    };
    for (const Case& c : cases) {
        const QString hash = hashPassword(QString::fromUtf8(c.stored), kFast);
        EXPECT_EQ(passwordMatches(hash, QString::fromUtf8(c.typed)), c.matches)
            << c.stored << " / " << c.typed;
    }
}

TEST(PasswordHash, BlankPasswordMeansNone)
{
    EXPECT_EQ(hashPassword(QStringLiteral("   ")), QString());
    EXPECT_TRUE(passwordMatches(QString(), QString()));
    EXPECT_TRUE(passwordMatches(QString(), QStringLiteral("anything")));
}

TEST(PasswordHash, EverySaltIsNew)
{
    const QString first = hashPassword(QStringLiteral("same"), kFast);
    const QString second = hashPassword(QStringLiteral("same"), kFast);
    EXPECT_NE(first.section(QLatin1Char('$'), 2, 2), second.section(QLatin1Char('$'), 2, 2));
    EXPECT_NE(first, second);
    EXPECT_TRUE(passwordMatches(second, QStringLiteral("SAME")));
}

TEST(PasswordHash, StoredTextThatIsNoHashOfOursNeverOpens)
{
    const QString good = hashPassword(QStringLiteral("pw"), kFast);
    const QStringList parts = good.split(QLatin1Char('$'));
    const QString bad[] = {
        QStringLiteral("pw"),  // a password kept as plain text
        QStringLiteral("PW"),
        QStringLiteral("md5$1000$") + parts[2] + QLatin1Char('$') + parts[3],
        QStringLiteral("pbkdf2-sha256$0$") + parts[2] + QLatin1Char('$') + parts[3],
        QStringLiteral("pbkdf2-sha256$999999999$") + parts[2] + QLatin1Char('$') + parts[3],
        QStringLiteral("pbkdf2-sha256$1000$%%%$") + parts[3],
        QStringLiteral("pbkdf2-sha256$1000$") + parts[2] + QStringLiteral("$AAAA"),
        good + QStringLiteral("$extra"),
    };
    for (const QString& stored : bad)
        EXPECT_FALSE(passwordMatches(stored, QStringLiteral("pw"))) << stored.toStdString();
}

}  // namespace
}  // namespace users
