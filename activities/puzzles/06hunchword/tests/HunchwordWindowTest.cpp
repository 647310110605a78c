// The letter-guessing duel in-process: the learner solves the phrase, the
// show runs, the winner is announced and the learner's points are stored;
// a miss and a clock run down hand the turn to the computer, which picks.
#include "activities/framework/testkit/ActivityTestKit.h"
#include "activities/framework/windows/ShapeButton.h"
#include "activities/framework/windows/frmInstructions.h"
#include "activities/framework/windows/frmMsg.h"
#include "activities/framework/windows/frmScores.h"
#include "activities/puzzles/06hunchword/window/frmHunchword.h"
#include "platform/store/Store.h"
#include "platform/ui/EndProgram.h"
#include "platform/ui/MessageBoxRecorder.h"
#include "platform/ui/TestClock.h"
#include "platform/ui/Timer.h"

#include "TestEnvironment.h"

#include <QApplication>
#include <QFile>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

#include <gtest/gtest.h>

using namespace hunchword;

namespace {

constexpr std::int64_t kActivityPid = 4646;

// Runs `answer` on the next modal window of type W once it is up.
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

QStringList soundNames()
{
    QStringList names;
    for (const QString& line : testsupport::soundRecord().split('\n', Qt::SkipEmptyParts))
        names << line.section('\t', 2, 2);
    return names;
}

class HunchwordWindow : public ::testing::Test {
protected:
    void SetUp() override
    {
        tempFolder = testsupport::makeFolder("runtime-temp");
        appFolder = testsupport::makeFolder("Activities");
        const QString programDir = testsupport::programDir() + "/";
        ASSERT_TRUE(QFile::copy(programDir + "Activities/06hunchword.cfg", appFolder + "06hunchword.cfg"));
        userStore = testsupport::makeFolder("data") + "Users.dat";
        ASSERT_TRUE(QFile::copy(programDir + "Dravolin.tpl", userStore));
        QFile::setPermissions(userStore, QFile::ReadOwner | QFile::WriteOwner);
        platform::ui::setEndFunction([this](int code) { endCodes.push_back(code); });
        clock.setAutoAdvance(true);
    }
    void TearDown() override { platform::ui::setEndFunction({}); }

    void start(int count)
    {
        launch = activitytest::writeLaunch(tempFolder, count, userStore);
        window = std::make_unique<frmHunchword>(RandomSource(7));
        for (platform::ui::Timer* timer : {window->Timer1(), window->Timer3(), window->TimerClock()})
            timer->setInterval(0);  // the test sends the ticks
        onNextModal<frmInstructions>([](frmInstructions& instructions) { QTest::keyClick(&instructions, Qt::Key_Return); });
        activity::ActivityEnvironment environment{tempFolder, appFolder, kActivityPid};
        ASSERT_TRUE(window->Start_Activity({launch.studyListName}, environment));
    }
    int keyOf(const QString& letter) const { return static_cast<int>(window->game()->alphabet().indexOf(letter)) + 1; }
    void press(const QString& letter) { QTest::mouseClick(window->btnLetter(keyOf(letter)), Qt::LeftButton); }

    platform::ui::TestClock clock{QDateTime(QDate(2024, 3, 4), QTime(15, 20, 0))};
    platform::ui::MessageBoxRecorder boxes;
    QString tempFolder, appFolder, userStore;
    activitytest::Launch launch;
    std::unique_ptr<frmHunchword> window;
    std::vector<int> endCodes;
};

}  // namespace

TEST_F(HunchwordWindow, TheLearnerSolvesThePhraseAndThePointsAreStored)
{
    start(1);
    EXPECT_EQ(window->windowTitle(), "Lessondesk French - Hunchword 1.0.0");
    EXPECT_EQ(window->lblTurn()->text(), "Your turn: Ana Diaz");
    EXPECT_EQ(window->lblPhrasesLeft()->text(), "1 left to play");
    EXPECT_EQ(window->lblPlayer(0)->text(), "Computer");
    EXPECT_TRUE(window->btnLetter(0)->isHidden());
    ASSERT_NE(window->btnLetter(65), nullptr);
    EXPECT_EQ(window->btnLetter(65)->text(), QString::fromUtf8("€"));
    EXPECT_TRUE(window->TimerClock()->isEnabled());
    ASSERT_NE(window->lblLetter(17), nullptr) << "PHRASE1,WITHACOMMA: 18 tiles";
    EXPECT_EQ(window->lblLetter(18), nullptr);

    // The lamps turn clockwise.
    const std::uint32_t lamp0 = window->lampColour(0);
    emit window->Timer3()->timeout();
    EXPECT_EQ(window->lampColour(1), lamp0);

    for (const char* letter : {"P", "H", "R", "A", "S", "E", "1", ",", "W", "I", "T", "C", "O", "M"}) {
        ASSERT_EQ(window->game()->player(), Player::Learner) << letter;
        press(letter);
    }
    EXPECT_EQ(window->lblLetter(0)->text(), "P");
    EXPECT_TRUE(window->Timer1()->isEnabled());
    EXPECT_FALSE(window->TimerClock()->isEnabled());
    EXPECT_EQ(window->lblTurn()->text(), "translation 1");
    const std::int64_t points = window->game()->points(Player::Learner);
    EXPECT_EQ(window->lblScore(1)->text(), QString::number(points));

    QString heading, line2, answer;
    QStringList rows;
    onNextModal<frmMsg>([&](frmMsg& message) {
        heading = message.lblMsg()->text();
        line2 = message.lblmsg2()->text();
        answer = message.lblAnswer()->text();
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
    for (int tick = 0; tick < kShowEndTick; ++tick)
        emit window->Timer1()->timeout();
    EXPECT_TRUE(soundNames().contains("bells"));
    EXPECT_TRUE(testsupport::soundRecord().contains("~dvl46461.wav\tsync")) << "the phrase is heard after the show";
    EXPECT_EQ(heading, "GAME OVER");
    EXPECT_EQ(line2, "ANA DIAZ WINS!");
    EXPECT_EQ(answer, QStringLiteral("Computer: 0\r\nAna Diaz: %1").arg(points));
    EXPECT_EQ(rows, QStringList{QStringLiteral("Ana Diaz|%1|*").arg(points)});
    EXPECT_EQ(endCodes, std::vector<int>{0});

    const auto stored = platform::Store::open(userStore, platform::OpenMode::ReadOnly)
                            .query("SELECT numberScore, tActivity FROM tblScores");
    ASSERT_EQ(stored.size(), 1u);
    EXPECT_EQ(stored[0]["numberScore"].toInt(), points);
    EXPECT_EQ(stored[0]["tActivity"].toText(), "Hunchword");
}

TEST_F(HunchwordWindow, AMissOrTheClockHandsTheTurnToTheComputerWhichPicks)
{
    start(2);
    press("Z");
    EXPECT_TRUE(soundNames().contains("Buzzer"));
    EXPECT_EQ(window->game()->player(), Player::Computer);
    EXPECT_EQ(window->lblTurn()->text(), "The computer is choosing a letter...");
    EXPECT_EQ(window->lblPlayer(0)->palette().color(QPalette::WindowText), QColor(0, 255, 0));

    // The learner's clicks do nothing while the computer picks.
    const int phrase = window->game()->phraseIndex();
    press("E");
    EXPECT_TRUE(window->btnLetter(keyOf("E"))->isVisible());
    QApplication::processEvents();  // the computer's turn starts from the event loop
    int keysUsed = 0;
    for (int key = 1; key <= window->game()->alphabet().size(); ++key)
        keysUsed += window->btnLetter(key)->isHidden();
    EXPECT_GE(keysUsed, 2) << "the computer picked a key";
    EXPECT_FALSE(window->busy());

    // The clock run down hands the turn over with TimesUP.
    ASSERT_EQ(window->game()->phraseIndex(), phrase);
    ASSERT_FALSE(window->Timer1()->isEnabled());
    const Player before = window->game()->player();
    for (int second = 0; second < kTurnSeconds; ++second)
        emit window->TimerClock()->timeout();
    EXPECT_TRUE(soundNames().contains("TimesUP"));
    EXPECT_NE(window->game()->player(), before);
    EXPECT_EQ(window->lblCounter()->text(), "20");
    window->close();
    EXPECT_EQ(endCodes, std::vector<int>{0});
}
