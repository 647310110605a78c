// The written-quiz window in-process: typing with Enter and the special
// characters, the check graded row by row, the result and the stored score.
#include "activities/drills/10askround/window/frmAskround.h"
#include "activities/framework/testkit/ActivityTestKit.h"
#include "activities/framework/windows/ShapeButton.h"
#include "activities/framework/windows/frmInstructions.h"
#include "activities/framework/windows/frmMsg.h"
#include "activities/framework/windows/frmScores.h"
#include "platform/store/Store.h"
#include "platform/ui/EndProgram.h"
#include "platform/ui/MessageBoxRecorder.h"
#include "platform/ui/TestClock.h"
#include "platform/ui/Timer.h"
#include "platform/ui/Twips.h"

#include "TestEnvironment.h"

#include <QApplication>

#include <QFile>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

#include <gtest/gtest.h>

using namespace askround;

namespace {

constexpr std::int64_t kActivityPid = 4545;

// Runs `answer` on the next modal window of type W once it is up (the window
// may first wait, so the look is repeated until it shows).
template <class W>
void onNextModal(std::function<void(W&)> answer)
{
    QTimer::singleShot(0, [answer] {
        if (auto* window = qobject_cast<W*>(QApplication::activeModalWidget()))
            answer(*window);
        else
            onNextModal<W>(answer);
    });
}

class AskroundWindow : public ::testing::Test {
protected:
    void SetUp() override
    {
        tempFolder = testsupport::makeFolder("runtime-temp");
        appFolder = testsupport::makeFolder("Activities");
        const QString programDir = testsupport::programDir() + "/";
        ASSERT_TRUE(QFile::copy(programDir + "Activities/10askround.cfg", appFolder + "10askround.cfg"));
        userStore = testsupport::makeFolder("data") + "Users.dat";
        ASSERT_TRUE(QFile::copy(programDir + "Dravolin.tpl", userStore));
        QFile::setPermissions(userStore, QFile::ReadOwner | QFile::WriteOwner);
        platform::ui::setEndFunction([this](int code) { endCodes.push_back(code); });
    }
    void TearDown() override { platform::ui::setEndFunction({}); }

    void start(int count)
    {
        launch = activitytest::writeLaunch(tempFolder, count, userStore);
        window = std::make_unique<frmAskround>();
        window->Timer2()->setInterval(0);  // the test sends the grading ticks
        onNextModal<frmInstructions>([](frmInstructions& instructions) { QTest::keyClick(&instructions, Qt::Key_Return); });
        activity::ActivityEnvironment environment{tempFolder, appFolder, kActivityPid};
        ASSERT_TRUE(window->Start_Activity({launch.studyListName}, environment));
        QApplication::setActiveWindow(window.get());
    }
    QColor textColour(int row) const { return window->TxtAnswer(row)->palette().color(QPalette::Text); }

    platform::ui::TestClock clock{QDateTime(QDate(2024, 3, 4), QTime(15, 20, 0))};
    platform::ui::MessageBoxRecorder boxes;
    QString tempFolder, appFolder, userStore;
    activitytest::Launch launch;
    std::unique_ptr<frmAskround> window;
    std::vector<int> endCodes;
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
    const qsizetype before = testsupport::soundRecord().count('\n');
    emit window->Timer2()->timeout();
    emit window->Timer2()->timeout();
    EXPECT_EQ(textColour(0), QColor(0, 0xC0, 0));
    EXPECT_EQ(textColour(1), QColor(255, 0, 0));
    EXPECT_TRUE(window->TxtAnswer(1)->font().strikeOut());
    EXPECT_EQ(window->lblAnswer(1)->text(), "phrase 2, with a comma");
    EXPECT_TRUE(window->lblAnswer(1)->isVisible());
    EXPECT_FALSE(window->lblAnswer(0)->isVisible());
    const QStringList graded = testsupport::soundRecord().split('\n', Qt::SkipEmptyParts).mid(before);
    ASSERT_EQ(graded.size(), 2);
    EXPECT_TRUE(graded[0].contains("\tCorrectBeep\t"));
    EXPECT_TRUE(graded[1].contains("\tBuzzer\t"));

    // The last row: the timer stops before the pause, then the result and the scores.
    clock.setAutoAdvance(true);
    QString heading, result;
    QStringList rows;
    bool timerStoppedBeforeResult = false;
    onNextModal<frmMsg>([&](frmMsg& message) {
        timerStoppedBeforeResult = !window->Timer2()->isEnabled();
        heading = message.lblMsg()->text();
        result = message.lblAnswer()->text();
        onNextModal<frmScores>([&](frmScores& scores) {
            const QTreeWidgetItem* item = scores.ListView1()->topLevelItem(0);
            if (item)
                rows << item->text(1) + "|" + item->text(2) + (item->isSelected() ? "|*" : "");
            QTest::mouseClick(scores.lblBegin(), Qt::LeftButton);
            for (int tick = 0; scores.isVisible() && tick < 1000; ++tick)
                emit scores.Timer1()->timeout();
        });
        QTest::mouseClick(message.lblOK(), Qt::LeftButton);
    });
    emit window->Timer2()->timeout();
    EXPECT_TRUE(timerStoppedBeforeResult);
    EXPECT_EQ(heading, "Your score");
    EXPECT_EQ(result, "66%");
    EXPECT_EQ(rows, QStringList{"Ana Diaz|66%|*"});
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
