// Typing the rows: right and wrong characters, letter case, special characters,
// the rows one after another, and the words-a-minute clock.
#include "activities/drills/04keytap/rules/TypingDrill.h"

#include <QList>

#include <gtest/gtest.h>

using namespace keytap;

namespace {

Keystroke key(char32_t c) { return {Keystroke::Kind::Character, c}; }

KeyResult typeText(TypingDrill& drill, const QString& text)
{
    KeyResult last = KeyResult::Nothing;
    for (const char32_t c : text.toUcs4())
        last = drill.press(key(c));
    return last;
}

}  // namespace

TEST(TypingDrill, RowsHoldPhraseSeparatorAndTranslation)
{
    const TypingDrill drill({{"le chat", "the cat"}, {"oui", "yes"}}, "-");
    ASSERT_EQ(drill.rowCount(), 2);
    EXPECT_EQ(drill.rowText(0), "le chat - the cat");
    EXPECT_EQ(drill.rowText(1), "oui - yes");
    EXPECT_EQ(drill.greenText(0), "");
    EXPECT_EQ(drill.row(), 0);
}

TEST(TypingDrill, AWrongKeyShowsInRedAndNothingAdvances)
{
    TypingDrill drill({{"Eté", "x"}}, "=");
    EXPECT_EQ(drill.press(key(U'e')), KeyResult::Wrong);  // letter case counts
    EXPECT_EQ(drill.greenText(0), "");
    EXPECT_EQ(drill.redText(0), "e");
    EXPECT_EQ(drill.correctChars(), 0);

    EXPECT_EQ(drill.press(key(U'E')), KeyResult::Right);
    EXPECT_EQ(drill.greenText(0), "E");
    EXPECT_EQ(drill.redText(0), "E");  // the red character is gone
    EXPECT_EQ(drill.press(key(U't')), KeyResult::Right);

    // Ctrl+E types "é": wrong where "e" is expected, right where "é" is.
    TypingDrill plain({{"e", "x"}}, "=");
    EXPECT_EQ(plain.press(key(U'é')), KeyResult::Wrong);
    EXPECT_EQ(plain.redText(0), "é");
    EXPECT_EQ(drill.press(key(U'é')), KeyResult::Right);
    EXPECT_EQ(drill.greenText(0), "Eté");
}

TEST(TypingDrill, AnyKeyTypesASpecialCharacter)
{
    TypingDrill drill({{"¿Qué?", "what?"}}, "-");
    EXPECT_EQ(drill.press(key(U'x')), KeyResult::Right);
    EXPECT_EQ(drill.greenText(0), "¿");  // the expected character, not the key's
    EXPECT_EQ(drill.press(key(U'x')), KeyResult::Wrong);  // "Q" is no special character
    typeText(drill, "Qu");
    EXPECT_EQ(drill.press(key(U'e')), KeyResult::Right);  // lower-case "é" is special too
    EXPECT_EQ(drill.press(key(U'!')), KeyResult::Wrong);  // "?" is not special
    EXPECT_EQ(drill.greenText(0), "¿Qué");
}

TEST(TypingDrill, BackspaceAndEnterChangeNothing)
{
    TypingDrill drill({{"a", "b"}}, "-");
    drill.press(key(U'z'));
    EXPECT_EQ(drill.press({Keystroke::Kind::Backspace, 0}), KeyResult::Beep);
    EXPECT_EQ(drill.press({Keystroke::Kind::Enter, 0}), KeyResult::Nothing);
    EXPECT_EQ(drill.redText(0), "z");
    EXPECT_EQ(drill.greenText(0), "");
}

TEST(TypingDrill, TheSeparatorIsTypedAndEachRowLeadsToTheNext)
{
    TypingDrill drill({{"un", "one"}, {"deux", "two"}}, "-");
    EXPECT_EQ(typeText(drill, "un"), KeyResult::Right);
    EXPECT_EQ(drill.press(key(U'o')), KeyResult::Wrong);  // the blank before "-" is due
    EXPECT_EQ(typeText(drill, " - one"), KeyResult::Right);
    EXPECT_EQ(drill.row(), 1);
    EXPECT_EQ(drill.greenText(0), "un - one");
    EXPECT_EQ(typeText(drill, "deux - tw"), KeyResult::Right);
    EXPECT_FALSE(drill.finished());
    EXPECT_EQ(drill.press(key(U'o')), KeyResult::Finished);
    EXPECT_TRUE(drill.finished());
    EXPECT_EQ(drill.correctChars(), 18);
    EXPECT_EQ(drill.press(key(U'x')), KeyResult::Nothing);
}

TEST(TypingDrill, WordsAMinuteRoundHalvesToEven)
{
    struct Case {
        int chars, seconds, wpm;
    };
    const std::vector<Case> cases = {
        {11, 60, 2},   // 2 words in a minute
        {8, 6, 10},    // 1.45 words -> 1, then 10 a minute
        {14, 60, 3},   // 2.545 words -> 3
        {3, 120, 0},   // 0.545 words -> 1; 0.5 a minute -> 0
        {11, 48, 2},   // 2 words; 2.5 a minute -> 2
        {11, 16, 8},   // 2 words; 7.5 a minute -> 8
        {0, 5, 0},
        {33, 0, 0},    // before the first second
    };
    for (const Case& c : cases)
        EXPECT_EQ(wordsPerMinute(c.chars, c.seconds), c.wpm) << c.chars << " in " << c.seconds << " s";
}

TEST(TypingDrill, EveryTickCountsASecondAndRecomputes)
{
    TypingDrill drill({{"abcdefgh", "x"}}, "-");
    typeText(drill, "abcdefgh");
    for (int second = 1; second <= 5; ++second)
        drill.tick();
    EXPECT_EQ(drill.tick(), 10);  // 8 characters in 6 seconds
    EXPECT_EQ(drill.seconds(), 6);
    EXPECT_EQ(drill.wordsPerMinute(), 10);
}
