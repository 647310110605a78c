// The gunfight window played in-process: instruction window, shots steered
// through the game's pieces, the phrase line and scores, the end message, the
// score window and the stored points; and the keys that move the learner.
#include "activities/arcade/13popper/window/DesertView.h"
#include "activities/arcade/13popper/window/frmPopper.h"

#include "activities/framework/testkit/ActivityTestKit.h"
#include "activities/framework/windows/ShapeButton.h"
#include "activities/framework/windows/frmInstructions.h"
#include "activities/framework/windows/frmMsg.h"
#include "activities/framework/windows/frmScores.h"
#include "common/studylist/HandoffFiles.h"
#include "platform/store/Store.h"
#include "platform/ui/EndProgram.h"
#include "platform/ui/MessageBoxRecorder.h"
#include "platform/ui/TestClock.h"
#include "platform/ui/Timer.h"

#include "TestEnvironment.h"

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

#include <gtest/gtest.h>

using namespace popper;

namespace {

constexpr std::int64_t kActivityPid = 4545;

// Answers the next modal window of type W once it shows (a pause may run the
// event loop before it does): inspect reads it and closes it.
template <class W>
void whenShown(std::function<void(W&)> inspect, int triesLeft = 1000)
{
    QTimer::singleShot(0, [inspect, triesLeft] {
        auto* window = qobject_cast<W*>(QApplication::activeModalWidget());
        if (!window && triesLeft > 0) {
            whenShown<W>(inspect, triesLeft - 1);
            return;
        }
        ASSERT_NE(window, nullptr) << "expected a " << W::staticMetaObject.className();
        inspect(*window);
    });
}

struct EndSeen {
    QString heading, answer, top10;
    QStringList rows;
};

class PopperWindow : public ::testing::Test {
protected:
    void SetUp() override
    {
        tempFolder = testsupport::makeFolder("runtime-temp");
        appFolder = testsupport::makeFolder("Activities");
        const QString programDir = testsupport::programDir() + "/";
        ASSERT_TRUE(QFile::copy(programDir + "Activities/13popper.cfg", appFolder + "13popper.cfg"));
        userStore = testsupport::makeFolder("data") + "Users.dat";
        ASSERT_TRUE(QFile::copy(programDir + "Dravolin.tpl", userStore));
        QFile::setPermissions(userStore, QFile::ReadOwner | QFile::WriteOwner);
        platform::ui::setEndFunction([this](int code) { endCodes.push_back(code); });
        clock.setAutoAdvance(true);
    }
    void TearDown() override { platform::ui::setEndFunction({}); }

    // Starts on `count` phrases; the test sends the timers' ticks itself.
    void start(int count, std::vector<double> draws = {})
    {
        launch = activitytest::writeLaunch(tempFolder, count, userStore);
        window = std::make_unique<frmPopper>(platform::RandomSource::scripted(std::move(draws)));
        whenShown<frmInstructions>([](frmInstructions& instructions) {
            QTest::keyClick(&instructions, Qt::Key_Return);
        });
        activity::ActivityEnvironment environment{tempFolder, appFolder, kActivityPid};
        ASSERT_TRUE(window->Start_Activity({launch.studyListName}, environment));
        for (platform::ui::Timer* timer : {window->Timer1(), window->tmrMouseCntl(), window->TimerComputerPlayer(),
                                           window->TimerRemoveLabels()})
            timer->setInterval(0);  // never fires by itself
        // Cacti out of the bullets' way.
        for (int k = 0; k < 4; ++k)
            window->game()->cactusBox(k) = {-9000, 3000, 480, 480};
    }

    // Puts the next word where the learner's bullet leaves the gun, the others
    // out of the way, and fires.
    void shootNextWord()
    {
        PopperGame& game = *window->game();
        const layout::Piece gun = game.learner();
        for (FallingWord& other : game.wordsForTest())
            other.box.left = -9000;
        FallingWord& word = game.wordsForTest()[game.nextWord()];
        word.box.left = gun.left + gun.width / 2;
        word.box.top = gun.top + 150 - 100;
        QTest::keyClick(window.get(), Qt::Key_Space);
        emit window->Timer1()->timeout();
    }

    // Answers the end message and the score window, keeping what they showed.
    void expectEnd(EndSeen& seen)
    {
        whenShown<frmMsg>([this, &seen](frmMsg& message) {
            seen.heading = message.lblMsg()->text();
            seen.answer = message.lblAnswer()->text();
            whenShown<frmScores>([&seen](frmScores& scores) {
                seen.top10 = scores.lblTop10()->text();
                if (const QTreeWidgetItem* item = scores.ListView1()->topLevelItem(0))
                    seen.rows << item->text(1) + "|" + item->text(2);
                QTest::mouseClick(scores.lblBegin(), Qt::LeftButton);
                for (int tick = 0; scores.isVisible() && tick < 1000; ++tick)
                    emit scores.Timer1()->timeout();
            });
            QTest::mouseClick(message.lblOK(), Qt::LeftButton);
        });
    }

    std::vector<platform::Row> storedScores() const
    {
        return platform::Store::open(userStore, platform::OpenMode::ReadOnly)
            .query("SELECT tName, numberScore, tSubject, tActivity FROM tblScores");
    }

    platform::ui::TestClock clock{QDateTime(QDate(2024, 6, 3), QTime(9, 30, 0))};
    platform::ui::MessageBoxRecorder boxes;
    QString tempFolder, appFolder, userStore;
    activitytest::Launch launch;
    std::unique_ptr<frmPopper> window;
    std::vector<int> endCodes;
};

}  // namespace

TEST_F(PopperWindow, PlayedThroughEveryPhraseToTheStoredPoints)
{
    start(2);
    EXPECT_EQ(window->windowTitle(), "Lessondesk French - Popper 1.0.0");
    EXPECT_EQ(window->lblPlayer1()->text(), launch.list.userName);
    EXPECT_EQ(window->lblPlayer2()->text(), "The Stranger");
    EXPECT_EQ(window->lblTranslation()->text(), launch.list.phrases[0].translation);
    EXPECT_TRUE(window->Timer1()->isEnabled());
    EXPECT_TRUE(window->TimerComputerPlayer()->isEnabled());

    const QStringList words = launch.list.phrases[0].phrase.split(' ', Qt::SkipEmptyParts);
    ASSERT_GE(words.size(), 2);
    shootNextWord();
    EXPECT_EQ(window->lblPhrase()->text(), words[0]);
    EXPECT_EQ(window->lblScore(0)->text(), QString::number(10 * words[0].size()));
    EXPECT_EQ(window->picDesert()->lblword(0)->text(), QString::number(10 * words[0].size()));
    EXPECT_TRUE(window->TimerRemoveLabels()->isEnabled());
    const QString sounds = testsupport::soundRecord().toUpper();
    EXPECT_TRUE(sounds.contains("MAGNUM") && sounds.contains("TING")) << sounds.toStdString();

    // The removal timer's tick takes the shot word off the desert.
    emit window->TimerRemoveLabels()->timeout();
    EXPECT_FALSE(window->picDesert()->lblword(0)->isVisible());
    EXPECT_FALSE(window->TimerRemoveLabels()->isEnabled());

    qsizetype letters = words[0].size();
    for (int i = 1; i < words.size(); ++i, letters += words[i - 1].size())
        shootNextWord();
    EXPECT_EQ(window->game()->phraseNumber(), 2);
    EXPECT_EQ(window->lblTranslation()->text(), launch.list.phrases[1].translation);
    EXPECT_EQ(window->lblPhrase()->text(), "");

    EndSeen seen;
    expectEnd(seen);
    const QStringList second = launch.list.phrases[1].phrase.split(' ', Qt::SkipEmptyParts);
    for (const QString& word : second) {
        letters += word.size();
        shootNextWord();
    }
    EXPECT_EQ(seen.heading, "The gunfight is over!");
    EXPECT_EQ(seen.answer, "You have practised");
    EXPECT_EQ(seen.top10, "Top 10 scores");
    EXPECT_EQ(seen.rows, QStringList{launch.list.userName + "|" + QString::number(10 * letters)});
    EXPECT_EQ(endCodes, std::vector<int>{0});
    EXPECT_FALSE(window->Timer1()->isEnabled());

    const auto stored = storedScores();
    ASSERT_EQ(stored.size(), 1u);
    EXPECT_EQ(stored[0]["numberScore"].toInt(), 10 * letters);
    EXPECT_EQ(stored[0]["tActivity"].toText(), "Popper");
    EXPECT_EQ(stored[0]["tSubject"].toText(), launch.list.subjectTitle);
    EXPECT_FALSE(QFile::exists(tempFolder + studylist::soundFileName(kActivityPid, 1)));
}

TEST_F(PopperWindow, ShotLearnerEndsTheGameWithTheSubjectAndPointsSoFar)
{
    start(1, {0.99});
    shootNextWord();
    const qint64 points = window->lblScore(0)->text().toLongLong();

    // The computer stands and shoots; its bullet is steered into the learner.
    emit window->TimerComputerPlayer()->timeout();
    emit window->Timer1()->timeout();
    PopperGame& game = *window->game();
    ASSERT_TRUE(game.computerBullet(0).inFlight);
    for (FallingWord& word : game.wordsForTest())
        word.box.left = -9000;
    const layout::Piece bullet = game.computerBullet(0).box;
    game.learnerBox() = {bullet.left - 400, bullet.top - 100, 630, 480};

    EndSeen seen;
    expectEnd(seen);
    emit window->Timer1()->timeout();
    EXPECT_EQ(seen.answer, "You have practised " + launch.list.subjectTitle);
    EXPECT_TRUE(testsupport::soundRecord().toUpper().contains("\tOH"));
    EXPECT_FALSE(window->TimerComputerPlayer()->isEnabled());
    EXPECT_EQ(endCodes, std::vector<int>{0});
    const auto stored = storedScores();
    ASSERT_EQ(stored.size(), 1u);
    EXPECT_EQ(stored[0]["numberScore"].toInt(), points);
}

TEST_F(PopperWindow, ArrowKeysMoveTheLearnerUntilReleased)
{
    start(1);
    const int top = window->game()->learner().top;
    QTest::keyPress(window.get(), Qt::Key_Down);
    emit window->tmrMouseCntl()->timeout();
    emit window->tmrMouseCntl()->timeout();
    EXPECT_EQ(window->game()->learner().top, top + 400);
    QTest::keyRelease(window.get(), Qt::Key_Down);
    emit window->tmrMouseCntl()->timeout();
    EXPECT_EQ(window->game()->learner().top, top + 400);
    EXPECT_TRUE(endCodes.empty());
}
