// The snake game's window played in-process: the level chooser, eating a
// phrase to the stored score, a crash with its pause, the P key and Escape,
// and the last life.
#include "activities/arcade/12slither/window/frmSnake.h"
#include "activities/framework/testkit/ActivityTestKit.h"
#include "activities/framework/windows/ShapeButton.h"
#include "activities/framework/windows/frmInstructions.h"
#include "activities/framework/windows/frmScores.h"
#include "common/studylist/HandoffFiles.h"
#include "common/studylist/StudyListFile.h"
#include "platform/store/Store.h"
#include "platform/ui/EndProgram.h"
#include "platform/ui/MessageBoxRecorder.h"
#include "platform/ui/TestClock.h"
#include "platform/ui/Timer.h"

#include "TestEnvironment.h"

#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

#include <gtest/gtest.h>

using namespace slither;

namespace {

constexpr std::int64_t kActivityPid = 4444;

// Answers the next modal window of type W once it shows; the game's waits
// run events before then, so it is looked for at every turn of the loop.
template <class W>
void whenShown(std::function<void(W&)> inspect)
{
    auto* poll = new QTimer(qApp);
    poll->setInterval(0);
    QObject::connect(poll, &QTimer::timeout, [poll, inspect] {
        auto* window = qobject_cast<W*>(QApplication::activeModalWidget());
        if (!window)
            return;
        poll->stop();
        poll->deleteLater();
        inspect(*window);
    });
    poll->start();
}

void closeScores(frmScores& scores)
{
    QTest::mouseClick(scores.lblBegin(), Qt::LeftButton);
    for (int tick = 0; scores.isVisible() && tick < 1000; ++tick)
        emit scores.Timer1()->timeout();
}

// The draws that place a character at (x, y) and its decoy at (dx, dy) showing letter.
std::vector<double> place(int x, int y, int dx = 600, int dy = 300, char letter = 'Z')
{
    const auto at = [](int value, int size) { return (value / kStep + 0.5) / (size / kStep); };
    return {at(x, kBoardWidth), at(y, kBoardHeight), at(dx, kBoardWidth), at(dy, kBoardHeight),
            (letter - 'B' + 0.5) / kDecoyLetters};
}

class SnakeWindow : public ::testing::Test {
protected:
    void SetUp() override
    {
        clock.setAutoAdvance(true);
        tempFolder = testsupport::makeFolder("runtime-temp");
        appFolder = testsupport::makeFolder("Activities");
        const QString programDir = testsupport::programDir() + "/";
        ASSERT_TRUE(QFile::copy(programDir + "Activities/12slither.cfg", appFolder + "12slither.cfg"));
        userStore = testsupport::makeFolder("data") + "Users.dat";
        ASSERT_TRUE(QFile::copy(programDir + "Dravolin.tpl", userStore));
        QFile::setPermissions(userStore, QFile::ReadOwner | QFile::WriteOwner);
        platform::ui::setEndFunction([this](int code) { endCodes.push_back(code); });
    }
    void TearDown() override { platform::ui::setEndFunction({}); }

    // Starts the game on the phrases with the draws given; chooseLevel answers
    // the instruction window. The movement timer is then left to the test.
    void start(const QStringList& phrases, std::vector<double> draws,
               std::function<void(frmInstructions&, QComboBox&)> chooseLevel)
    {
        launch = activitytest::writeLaunch(tempFolder, static_cast<int>(phrases.size()), userStore);
        for (int i = 0; i < phrases.size(); ++i)
            launch.list.phrases[static_cast<std::size_t>(i)].phrase = phrases[i];
        studylist::write(launch.studyListPath, launch.list);
        window = std::make_unique<frmSnake>(platform::RandomSource::scripted(std::move(draws)));
        whenShown<frmInstructions>([this, chooseLevel](frmInstructions& instructions) {
            chooseLevel(instructions, *window->cboLevel());
        });
        activity::ActivityEnvironment environment{tempFolder, appFolder, kActivityPid};
        ASSERT_TRUE(window->Start_Activity({launch.studyListName}, environment));
        interval = window->Timer1()->interval();
        window->Timer1()->setInterval(0);
        window->Timer2()->setInterval(0);
    }

    void tick() { emit window->Timer1()->timeout(); }
    void key(Qt::Key k) { QTest::keyClick(window->picBoard(), k); }

    // Runs inspect once the pause window shows (modal or not), at most `times` times.
    void onPause(std::function<void(PauseForm&)> inspect, int times = 1)
    {
        auto* poll = new QTimer(window.get());
        poll->setInterval(0);
        auto left = std::make_shared<int>(times);
        QObject::connect(poll, &QTimer::timeout, [this, poll, inspect, left] {
            PauseForm* pause = window->pauseForm();
            if (!pause->isVisible())
                return;
            if (--*left <= 0)
                poll->stop();
            inspect(*pause);
        });
        poll->start();
    }

    QStringList soundNames() const
    {
        QStringList names;
        for (const QString& line : testsupport::soundRecord().split('\n', Qt::SkipEmptyParts))
            names << line.section('\t', 2, 2);
        return names;
    }
    QString copyPath(int slot) const { return tempFolder + studylist::soundFileName(kActivityPid, slot); }
    QColor lifeColour(int index) const { return window->lnLife(index)->palette().color(QPalette::Window); }

    platform::ui::TestClock clock{QDateTime(QDate(2024, 6, 3), QTime(16, 0, 0))};
    platform::ui::MessageBoxRecorder boxes;
    QString tempFolder, appFolder, userStore;
    activitytest::Launch launch;
    std::unique_ptr<frmSnake> window;
    std::vector<int> endCodes;
    int interval = 0;
};

}  // namespace

TEST_F(SnakeWindow, AFastGameEatenToTheStoredScore)
{
    QString levelShown;
    start({QStringLiteral("a b")}, [] {
        std::vector<double> draws = place(10, 110);
        const std::vector<double> second = place(10, 120);
        draws.insert(draws.end(), second.begin(), second.end());
        return draws;
    }(), [&](frmInstructions& instructions, QComboBox& levels) {
        levelShown = levels.currentText();
        levels.setCurrentIndex(0);
        levels.setCurrentIndex(4);
        // Enter in the level list starts the game.
        QTest::keyClick(&levels, Qt::Key_Return);
        EXPECT_FALSE(instructions.isVisible());
    });
    EXPECT_EQ(levelShown, "3 - Medium");
    EXPECT_EQ(interval, 20) << "level 1, then level 5";
    EXPECT_EQ(window->game()->pointsPerCharacter(), 25);
    EXPECT_EQ(window->lblTranslation()->text(), "TRANSLATION 1");
    EXPECT_TRUE(window->Timer1()->isEnabled());
    EXPECT_TRUE(window->Timer2()->isEnabled());

    tick();
    EXPECT_EQ(window->lblScore()->text(), "25");
    EXPECT_EQ(window->txtPhrase()->text(), "A ") << "the blank comes with the A";

    bool escapeIgnored = false;
    QString heading, line;
    onPause([&](PauseForm& pause) {
        heading = pause.Label1()->text();
        line = pause.Label2()->text();
        QTest::keyClick(&pause, Qt::Key_Escape);
        escapeIgnored = endCodes.empty();
    });
    QStringList rows;
    whenShown<frmScores>([&](frmScores& scores) {
        for (int i = 0; i < scores.ListView1()->topLevelItemCount(); ++i)
            rows << scores.ListView1()->topLevelItem(i)->text(2);
        closeScores(scores);
    });
    tick();
    EXPECT_EQ(heading, "Well done!");
    EXPECT_EQ(line, "You ate every phrase");
    EXPECT_TRUE(escapeIgnored) << "Escape does not end the game during its last message";
    EXPECT_FALSE(window->Timer1()->isEnabled());
    EXPECT_EQ(rows, QStringList{"100"});
    EXPECT_EQ(endCodes, std::vector<int>{0});
    EXPECT_EQ(soundNames().mid(0, 6), (QStringList{"CLICK", "ufowarn", "bite", "bite", "Happy_Alert", "Magic"}));

    const auto stored = platform::Store::open(userStore, platform::OpenMode::ReadOnly)
                            .query("SELECT numberScore, tSubject, tActivity FROM tblScores");
    ASSERT_EQ(stored.size(), 1u);
    EXPECT_EQ(stored[0]["numberScore"].toInt(), 100);
    EXPECT_EQ(stored[0]["tActivity"].toText(), "Slither");
    EXPECT_FALSE(QFile::exists(copyPath(1)));
}

TEST_F(SnakeWindow, ACrashPausesTheGameAndEscapeInAPauseEndsItWithoutAScore)
{
    // The decoy lies right under the snake's head.
    std::vector<double> draws = place(300, 200, 10, 110, 'K');
    const std::vector<double> again = place(300, 250);
    draws.insert(draws.end(), again.begin(), again.end());
    start({QStringLiteral("xy")}, draws, [](frmInstructions& instructions, QComboBox&) {
        QTest::keyClick(&instructions, Qt::Key_Return);
    });
    EXPECT_EQ(interval, 60) << "level 3 when nothing is chosen";

    QString heading;
    bool timersStopped = false;
    onPause([&](PauseForm& pause) {
        heading = pause.Label1()->text();
        timersStopped = !window->Timer1()->isEnabled() && !window->Timer2()->isEnabled();
        QTest::keyClick(&pause, Qt::Key_Space);
    });
    tick();
    EXPECT_EQ(heading, "Wrong letter!");
    EXPECT_TRUE(timersStopped);
    EXPECT_EQ(lifeColour(5), QColor(255, 0, 0));
    EXPECT_EQ(lifeColour(4), QColor(255, 255, 0));
    EXPECT_EQ(window->game()->lives(), 4);
    // The game goes on with the same character at a new place.
    EXPECT_TRUE(window->Timer1()->isEnabled());
    EXPECT_EQ(window->game()->target(), QLatin1Char('X'));
    EXPECT_EQ(window->game()->targetPoint(), (Point{300, 250}));

    onPause([&](PauseForm& pause) {
        heading = pause.Label1()->text();
        timersStopped = !window->Timer1()->isEnabled();
        QTest::keyClick(&pause, Qt::Key_Escape);
    });
    key(Qt::Key_P);
    EXPECT_EQ(heading, "Paused");
    EXPECT_TRUE(timersStopped);
    EXPECT_EQ(endCodes, std::vector<int>{0});
    EXPECT_FALSE(QFile::exists(copyPath(1))) << "Escape ends through the window's unload";
    const auto stored = platform::Store::open(userStore, platform::OpenMode::ReadOnly)
                            .query("SELECT numberScore FROM tblScores");
    EXPECT_TRUE(stored.empty());
}

TEST_F(SnakeWindow, TheLastLifeEndsTheGameWithItsScore)
{
    start({QStringLiteral("q")}, {}, [](frmInstructions& instructions, QComboBox&) {
        QTest::keyClick(&instructions, Qt::Key_Return);
    });
    QStringList lines;
    onPause(
        [&](PauseForm& pause) {
            lines << pause.Label2()->text();
            QTest::keyClick(&pause, Qt::Key_Space);
        },
        kLives);
    bool scoresShown = false;
    whenShown<frmScores>([&](frmScores& scores) {
        scoresShown = true;
        closeScores(scores);
    });
    for (int crash = 0; crash < kLives && endCodes.empty(); ++crash) {
        key(Qt::Key_Right);
        for (int step = 0; step < 100 && window->Timer1()->isEnabled(); ++step)
            tick();
    }
    EXPECT_EQ(lines, (QStringList{"Press any key to go on", "Press any key to go on", "Press any key to go on",
                                  "Press any key to go on", "Game over"}));
    EXPECT_EQ(lifeColour(1), QColor(255, 0, 0));
    EXPECT_TRUE(scoresShown);
    EXPECT_EQ(endCodes, std::vector<int>{0});
}
