#include "activities/puzzles/07sheetout/rules/WorksheetText.h"

#include <gtest/gtest.h>

using namespace sheetout;

TEST(WorksheetText, OnePhraseWithAndWithoutASecondTranslation)
{
    EXPECT_EQ(worksheetText("FOOD", "French", "English", {{"le pain", "bread", ""}}),
              "FOOD\r\n\r\nFrench\r\n1)  le pain\r\n\r\nEnglish\r\n1)  bread\r\n");
    EXPECT_EQ(worksheetText("FOOD", "French", "English", {{"l'eau", "water", "the water"}}),
              "FOOD\r\n\r\nFrench\r\n1)  l'eau\r\n\r\nEnglish\r\n1)  water, the water\r\n");
}

TEST(WorksheetText, TenPhrasesAreNumberedTheSameWayInBothHalves)
{
    QList<WorksheetPhrase> phrases;
    for (int i = 1; i <= 10; ++i)
        phrases.append({QString("mot%1").arg(i), QString("word%1").arg(i), i % 2 ? QString() : QString("alt%1").arg(i)});
    const QStringList lines = worksheetText("Á ÉTÉ", "French", "Spanish", phrases).split("\r\n");

    ASSERT_EQ(lines.size(), 2 + 1 + 10 + 1 + 1 + 10 + 1);  // the last CR LF leaves an empty end
    EXPECT_EQ(lines[0], "Á ÉTÉ");
    EXPECT_EQ(lines[2], "French");
    EXPECT_EQ(lines[3], "1)  mot1");
    EXPECT_EQ(lines[12], "10)  mot10");
    EXPECT_EQ(lines[13], "");
    EXPECT_EQ(lines[14], "Spanish");
    EXPECT_EQ(lines[15], "1)  word1");
    EXPECT_EQ(lines[16], "2)  word2, alt2");
    EXPECT_EQ(lines[24], "10)  word10, alt10");
}

TEST(WorksheetText, SelectionIsPrintedWithItsLineBreaksElseTheWholeText)
{
    EXPECT_EQ(textToPrint("whole\r\ntext", ""), "whole\r\ntext");
    EXPECT_EQ(textToPrint("whole", QStringLiteral("1)  a\u20292)  b\u2028c")), "1)  a\n2)  b\nc");
    EXPECT_EQ(textToPrint("whole", "x"), "x");
}
