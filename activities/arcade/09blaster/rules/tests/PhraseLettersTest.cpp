#include "activities/arcade/09blaster/rules/PhraseLetters.h"

#include <QStringList>

#include <gtest/gtest.h>

namespace blaster {
namespace {

TEST(BlasterLetters, LettersInvadersAndTheShownPhrase)
{
    struct Case {
        QString phrase;
        QStringList letters;
        int invaders;
        QStringList shown;  // after 1, 2, ... letters
    } cases[] = {
        {"L'EAU", {"L", "'", "E", "A", "U"}, 10, {"L", "L'", "L'E", "L'EA", "L'EAU"}},
        {"LE PAIN", {"L", "E", "P", "A", "I", "N"}, 10, {"L", "LE ", "LE P", "LE PA", "LE PAI", "LE PAIN"}},
        {"  A  B ", {"A", "B"}, 10, {"  A  ", "  A  B "}},
        {"ABCDEFGHIJ", {"A", "B", "C", "D", "E", "F", "G", "H", "I", "J"}, 20, {}},
        {"X", {"X"}, 10, {"X"}},
        {QString(60, QLatin1Char('A')), QStringList(60, "A"), 70, {}},
        {"", {}, 10, {}},
        {"   ", {}, 10, {}},
        {QString::fromUtf8("STRAßE 🙂"), {"S", "T", "R", "A", QString::fromUtf8("ß"), "E", QString::fromUtf8("🙂")},
         10, {}},
    };
    for (const Case& c : cases) {
        const PhraseLetters letters(c.phrase);
        QStringList got;
        for (int i = 0; i < letters.count(); ++i)
            got << letters.letter(i);
        EXPECT_EQ(got, c.letters) << c.phrase.toStdString();
        EXPECT_EQ(letters.invaderCount(), c.invaders) << c.phrase.toStdString();
        EXPECT_EQ(letters.shownAfter(0), QString());
        for (int i = 0; i < c.shown.size(); ++i)
            EXPECT_EQ(letters.shownAfter(i + 1), c.shown[i]) << c.phrase.toStdString() << " after " << i + 1;
    }
}

}  // namespace
}  // namespace blaster
