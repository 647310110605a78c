// The alphabets of the editions, the on-screen keyboard's rows and the keys of
// the keyboard.
#include "activities/drills/15letterbee/rules/LetterKeys.h"
#include "activities/drills/15letterbee/rules/LetterbeeLayout.h"

#include <QList>

#include <gtest/gtest.h>

using namespace letterbee;

TEST(LetterKeys, EveryEditionHasItsAlphabet)
{
    const QString base = "ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789,.?!'-";
    const std::vector<std::pair<QString, QString>> cases = {
        {"dvlspa", base + "ÁÉÍÓÚÑ¿¡Ü"},
        {"dvleng", base},
        {"dvlfre", base + "ÀÁÂÄÈÉÊËÌÍÎÏÒÓÔÖÙÚÛÜÇŒ€"},
        {"dvlfra", base + "ÀÁÂÄÈÉÊËÌÍÎÏÒÓÔÖÙÚÛÜÇŒ€"},
        {"dvlger", base + "ÄÅÆÐËÖØßÞÜŸ"},
        {"dvlale", base + "ÄÅÆÐËÖØßÞÜŸ"},
        {"dvlita", base + "ÀÈÌÒÙ"},
        {"dvlito", base + "ÀÈÌÒÙ"},
        {"dvlxyz", base},
    };
    for (const auto& [code, alphabet] : cases)
        EXPECT_EQ(alphabetFor(code), alphabet) << code.toStdString();
}

TEST(LetterKeys, TheKeyboardHasSixteenKeysARow)
{
    // Key 1 stands one step right of the hidden key 0; key 17 under key 1.
    EXPECT_EQ(keyPosition(1), QPoint(210, 4845));
    EXPECT_EQ(keyPosition(16), QPoint(210 + 15 * 720, 4845));
    EXPECT_EQ(keyPosition(17), QPoint(210, 4845 + 720));
    EXPECT_EQ(keyPosition(47), QPoint(210 + 14 * 720, 4845 + 2 * 720));  // the last Italian key: rows 16, 16, 15

    // The rows of each edition: the last key's row and column.
    const std::vector<std::pair<QString, QPoint>> lastKeys = {
        {"dvleng", {210 + 9 * 720, 4845 + 2 * 720}},   // 42 keys: 16, 16, 10
        {"dvlspa", {210 + 2 * 720, 4845 + 3 * 720}},   // 51 keys: 16, 16, 16, 3
        {"dvlfre", {210 + 0 * 720, 4845 + 4 * 720}},   // 65 keys: 16, 16, 16, 16, 1
        {"dvlger", {210 + 4 * 720, 4845 + 3 * 720}},   // 53 keys: 16, 16, 16, 5
    };
    for (const auto& [code, last] : lastKeys)
        EXPECT_EQ(keyPosition(static_cast<int>(alphabetFor(code).toUcs4().size())), last) << code.toStdString();
}

TEST(LetterKeys, KeysOfTheKeyboardEnterUpperCaseLettersAndAFewMarks)
{
    const std::vector<std::pair<int, QString>> entered = {
        {Qt::Key_A, "A"}, {Qt::Key_Z, "Z"}, {Qt::Key_0, "0"}, {Qt::Key_7, "7"},
        {Qt::Key_1, "!"}, {Qt::Key_Exclam, "!"}, {Qt::Key_Comma, ","}, {Qt::Key_Period, "."},
        {Qt::Key_Slash, "?"}, {Qt::Key_Question, "?"}, {Qt::Key_Apostrophe, "'"},
    };
    for (const auto& [key, letter] : entered)
        EXPECT_EQ(letterForKey(key), letter) << key;
    for (const int key : {Qt::Key_Shift, Qt::Key_Control, Qt::Key_Alt, Qt::Key_CapsLock, Qt::Key_Meta, Qt::Key_Left,
                          Qt::Key_F1, Qt::Key_Space, Qt::Key_Return, Qt::Key_Eacute})
        EXPECT_EQ(letterForKey(key), std::nullopt) << key;
}

TEST(LetterKeys, UpperCaseKeepsEveryCharacter)
{
    EXPECT_EQ(upperCase("straße"), "STRAßE");
    EXPECT_EQ(upperCase("œuf à ñ"), "ŒUF À Ñ");
}
