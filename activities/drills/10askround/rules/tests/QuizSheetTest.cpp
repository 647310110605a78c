#include "activities/drills/10askround/rules/QuizSheet.h"

#include <gtest/gtest.h>

using namespace askround;

TEST(QuizSheet, AnswersAreJudgedWithoutBlanksAroundThemOrLetterCase)
{
    struct Case {
        const char* answer;
        const char* phrase;
        bool right;
    };
    for (const Case& c : {
             Case{"le pain", "le pain", true},
             Case{"  LE PAIN ", "le pain", true},
             Case{"le pain", "le pain ", true},  // a stored blank no longer makes it unanswerable
             Case{"le  pain", "le pain", false},  // blanks inside count
             Case{"l'école", "L'ÉCOLE", true},
             Case{"l'ecole", "l'école", false},  // accents count
             Case{"straße", "STRAßE", true},      // one character at a time: ß stays ß
             Case{"", "oui", false},
             Case{"oui", "non", false},
         })
        EXPECT_EQ(answerIsRight(QString::fromUtf8(c.answer), QString::fromUtf8(c.phrase)), c.right)
            << c.answer << " / " << c.phrase;
}

TEST(QuizSheet, GradesEachRowOnceAndGivesTheWholePercentage)
{
    std::vector<QuizQuestion> questions;
    for (int i = 0; i < 9; ++i)
        questions.push_back({QStringLiteral("mot %1").arg(i), QStringLiteral("word %1").arg(i)});
    QuizSheet sheet(questions);
    EXPECT_FALSE(sheet.gradeNext("mot 0")) << "nothing is graded before the check";
    ASSERT_TRUE(sheet.startGrading());
    EXPECT_FALSE(sheet.startGrading()) << "one check per sheet";
    for (int row = 0; row < 9; ++row) {
        const auto graded = sheet.gradeNext(row < 7 ? QStringLiteral("MOT %1").arg(row) : QStringLiteral("?"));
        ASSERT_TRUE(graded);
        EXPECT_EQ(graded->row, row);
        EXPECT_EQ(graded->right, row < 7);
    }
    EXPECT_TRUE(sheet.finished());
    EXPECT_FALSE(sheet.grading());
    EXPECT_FALSE(sheet.gradeNext("mot 0"));
    EXPECT_EQ(sheet.rightCount(), 7);
    EXPECT_EQ(sheet.percent(), 77);
}

TEST(QuizSheet, RowTextsEnterOrderAndDate)
{
    EXPECT_EQ(questionText(0, "the bread"), "1. the bread");
    EXPECT_EQ(questionText(9, "the end"), "10. the end");
    EXPECT_EQ(boxAfter(0, 3), 1);
    EXPECT_EQ(boxAfter(2, 3), 0);
    EXPECT_EQ(boxAfter(0, 1), 0);
    EXPECT_EQ(sheetDate(QDate(2024, 3, 4)), "Mar/04/2024");
}
