// The written-quiz window in-process: typing with Enter and the special
// characters, the check graded row by row, the result and the stored score.
#include "activities/drills/10askround/window/frmAskround.h"
#include "activities/framework/testkit/ActivityWindowTest.h"
#include "platform/store/Store.h"
#include "platform/ui/Timer.h"
#include "platform/ui/Twips.h"

#include <QApplication>
#include <QTest>

#include <gtest/gtest.h>

using namespace askround;

namespace {

class AskroundWindow : public activitytest::ActivityWindowTest {
protected:
    void start(int count)
    {
        clock.setNow(QDateTime(QDate(2024, 3, 4), QTime(15, 20, 0)));
        window = std::make_unique<frmAskround>();
        window->Timer2()->setInterval(0);  // the test sends the grading ticks
        ASSERT_TRUE(ActivityWindowTest::start(*window, count));
        QApplication::setActiveWindow(window.get());
    }
    QColor textColour(int row) const { return window->TxtAnswer(row)->palette().color(QPalette::Text); }

    std::unique_ptr<frmAskround> window;
};

}  // namespace

TEST_F(AskroundWindow, TypedAnswersAreGradedAndTheirPercentageIsStored)
{
    start(3);
    EXPECT_EQ(window->windowTitle(), "Lessondesk French - Askround 1.0.0");
    EXPECT_EQ(window->lblQuestion(2)->text(), "3. translation 3");
    EXPECT_EQ(window->lblQuestion(1)->y() - window->lblQuestion(0)->y(), platform::ui::twipsToPixelsY(550));
    EXPECT_EQ(window->lblQuestion(3), nullptr);
    EXPECT_EQ(window->lblDate()->text(), "Mar/04/2024");
    EXPECT_EQ(window->lblChars()->text(), "Special characters for French");
    EXPECT_EQ(window->btnCheck()->text(), "CHECK");
    EXPECT_EQ(window->mSpecialCount(), 21);
    EXPECT_TRUE(window->btnLetter(0)->isHidden());
    EXPECT_EQ(window->btnLetter(1)->x() - window->btnLetter(0)->x(), platform::ui::twipsToPixelsX(300));

    // Before any box had the focus, a special character goes into the first box.
    QTest::mouseClick(window->btnLetter(6), Qt::LeftButton);
    EXPECT_EQ(window->TxtAnswer(0)->text(), "É");
    window->TxtAnswer(0)->clear();

    QTest::keyClicks(window->TxtAnswer(0), "  PHRASE 1, WITH A COMMA ");
    QTest::keyClick(window->TxtAnswer(0), Qt::Key_Return);
    EXPECT_TRUE(window->TxtAnswer(1)->hasFocus());
    QTest::keyClicks(window->TxtAnswer(1), "phrase 2, with a comm");
    QTest::mouseClick(window->btnLetter(1), Qt::LeftButton);  // à (Caps Lock is off), after the last character
    QTest::keyClick(window->TxtAnswer(1), Qt::Key_Return);
    QTest::keyClicks(window->TxtAnswer(2), "phrase 3, with a comma");
    QTest::keyClick(window->TxtAnswer(2), Qt::Key_Return);
    EXPECT_TRUE(window->TxtAnswer(0)->hasFocus()) << "Enter in the last box goes back to the first";
    EXPECT_EQ(window->TxtAnswer(0)->selectedText(), window->TxtAnswer(0)->text());
    EXPECT_EQ(window->TxtAnswer(1)->text(), "phrase 2, with a commà");

    QTest::mouseClick(window->btnCheck(), Qt::LeftButton);
    ASSERT_TRUE(window->Timer2()->isEnabled());
    EXPECT_TRUE(window->TxtAnswer(0)->isReadOnly());
    const qsizetype before = soundLines().size();
    emit window->Timer2()->timeout();
    emit window->Timer2()->timeout();
    EXPECT_EQ(textColour(0), QColor(0, 0xC0, 0));
    EXPECT_EQ(textColour(1), QColor(255, 0, 0));
    EXPECT_TRUE(window->TxtAnswer(1)->font().strikeOut());
    EXPECT_EQ(window->lblAnswer(1)->text(), "phrase 2, with a comma");
    EXPECT_TRUE(window->lblAnswer(1)->isVisible());
    EXPECT_FALSE(window->lblAnswer(0)->isVisible());
    const QStringList graded = soundLines().mid(before);
    ASSERT_EQ(graded.size(), 2);
    EXPECT_TRUE(graded[0].contains("\tCorrectBeep\t"));
    EXPECT_TRUE(graded[1].contains("\tBuzzer\t"));

    // The last row: the timer stops before the pause, then the result and the scores.
    clock.setAutoAdvance(true);
    bool timerStoppedBeforeResult = false;
    modals.onMessage = [&](frmMsg&) { timerStoppedBeforeResult = !window->Timer2()->isEnabled(); };
    emit window->Timer2()->timeout();
    EXPECT_TRUE(timerStoppedBeforeResult);
    ASSERT_EQ(modals.messages.size(), 1u);
    EXPECT_EQ(modals.messages[0].heading, "Your score");
    EXPECT_EQ(modals.messages[0].answer, "66%");
    ASSERT_EQ(modals.scores.size(), 1u);
    ASSERT_EQ(modals.scores[0].rows.size(), 1u);
    EXPECT_EQ(modals.scores[0].rows[0][1], "Ana Diaz");
    EXPECT_EQ(modals.scores[0].rows[0][2], "66%");
    EXPECT_EQ(modals.scores[0].selected, 0);
    EXPECT_EQ(endCodes, std::vector<int>{0});
    EXPECT_TRUE(boxes.shown().empty());

    const auto stored = platform::Store::open(userStore, platform::OpenMode::ReadOnly)
                            .query("SELECT tName, numberScore, tSubject, tActivity FROM tblScores");
    ASSERT_EQ(stored.size(), 1u);
    EXPECT_EQ(stored[0]["numberScore"].toInt(), 66);
    EXPECT_EQ(stored[0]["tActivity"].toText(), "Askround");
    EXPECT_EQ(stored[0]["tSubject"].toText(), "Colours");
}

TEST_F(AskroundWindow, TheSpecialButtonsFollowCapsLockAndTheLastFocusedBox)
{
    start(2);
    QTest::mouseClick(window->TxtAnswer(1), Qt::LeftButton);
    QTest::keyClick(window->TxtAnswer(1), Qt::Key_A);
    // Caps Lock is off on this display: a released key shows lower case.
    EXPECT_EQ(window->btnLetter(1)->text(), "à");
    EXPECT_EQ(window->btnLetter(21)->text(), "ç");
    QTest::mouseClick(window->btnLetter(21), Qt::LeftButton);
    EXPECT_EQ(window->TxtAnswer(1)->text(), "aç");
    EXPECT_EQ(window->TxtAnswer(0)->text(), "");

    // A click in a box selects its whole answer, ready to be typed over.
    QTest::mouseClick(window->TxtAnswer(1), Qt::LeftButton);
    EXPECT_EQ(window->TxtAnswer(1)->selectedText(), "aç");
}

TEST_F(AskroundWindow, GradedAnswersKeepNoSelectionSoTheirColourShows)
{
    start(2);
    QTest::keyClicks(window->TxtAnswer(0), "phrase 1, with a comma");
    QTest::keyClick(window->TxtAnswer(0), Qt::Key_Return);
    QTest::keyClicks(window->TxtAnswer(1), "wrong");
    QTest::keyClick(window->TxtAnswer(1), Qt::Key_Return);
    ASSERT_TRUE(window->TxtAnswer(0)->hasSelectedText());

    // The check button takes the focus as it is clicked; once disabled it hands
    // the focus on along the tab order, which leads back to the first box.
    window->btnCheck()->setFocus(Qt::MouseFocusReason);
    QTest::mouseClick(window->btnCheck(), Qt::LeftButton);
    ASSERT_TRUE(window->Timer2()->isEnabled());
    emit window->Timer2()->timeout();
    for (int row : {0, 1}) {
        QLineEdit* box = window->TxtAnswer(row);
        EXPECT_FALSE(box->hasSelectedText()) << row;
        EXPECT_FALSE(box->hasFocus()) << row;
        // Neither a click, a double click nor a drag selects a graded answer again.
        QTest::mouseClick(box, Qt::LeftButton);
        QTest::mouseDClick(box, Qt::LeftButton);
        QTest::mousePress(box, Qt::LeftButton, {}, QPoint(2, box->height() / 2));
        QTest::mouseMove(box, QPoint(box->width() - 2, box->height() / 2));
        QTest::mouseRelease(box, Qt::LeftButton, {}, QPoint(box->width() - 2, box->height() / 2));
        EXPECT_FALSE(box->hasSelectedText()) << row;
        EXPECT_FALSE(box->hasFocus()) << row;
        EXPECT_EQ(box->focusPolicy(), Qt::NoFocus) << row;
    }
    EXPECT_EQ(textColour(0), QColor(0, 0xC0, 0));
}
