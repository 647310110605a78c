// The snake game's window played in-process: the level chooser, eating a
// phrase to the stored score, a crash with its pause, the P key and Escape,
// and the last life.
#include "activities/arcade/12slither/window/frmSnake.h"
#include "activities/framework/testkit/ActivityWindowTest.h"
#include "activities/framework/windows/frmInstructions.h"
#include "platform/store/Store.h"
#include "platform/ui/Timer.h"

#include <QComboBox>
#include <QFile>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

using namespace slither;

namespace {

// The draws that place a character at (x, y) and its decoy at (dx, dy) showing letter.
std::vector<double> place(int x, int y, int dx = 600, int dy = 300, char letter = 'Z')
{
    const auto at = [](int value, int size) { return (value / kStep + 0.5) / (size / kStep); };
    return {at(x, kBoardWidth), at(y, kBoardHeight), at(dx, kBoardWidth), at(dy, kBoardHeight),
            (letter - 'B' + 0.5) / kDecoyLetters};
}

std::vector<double> join(std::vector<double> a, const std::vector<double>& b)
{
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

class SnakeWindow : public activitytest::ActivityWindowTest {
protected:
    void SetUp() override
    {
        ActivityWindowTest::SetUp();
        clock.setAutoAdvance(true);  // every Wait is over at once
    }

    // Starts the game on the phrases with the draws given. The movement timer is
    // then left to the test; `interval` keeps the one the level set.
    void start(const QStringList& phrases, std::vector<double> draws)
    {
        window = std::make_unique<frmSnake>(platform::RandomSource::scripted(std::move(draws)));
        ASSERT_TRUE(ActivityWindowTest::start(*window, phrases));
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
        for (const QString& line : soundLines())
            names << line.section('\t', 2, 2);
        return names;
    }
    QColor lifeColour(int index) const { return window->lnLife(index)->palette().color(QPalette::Window); }

    std::unique_ptr<frmSnake> window;
    int interval = 0;
};

}  // namespace

TEST_F(SnakeWindow, AFastGameEatenToTheStoredScore)
{
    QString levelShown;
    modals.onInstructions = [&](frmInstructions& instructions) {
        QComboBox& levels = *window->cboLevel();
        levelShown = levels.currentText();
        levels.setCurrentIndex(0);
        levels.setCurrentIndex(4);
        // Enter in the level list starts the game.
        QTest::keyClick(&levels, Qt::Key_Return);
        EXPECT_FALSE(instructions.isVisible());
    };
    start({QStringLiteral("a b")}, join(place(10, 110), place(10, 120)));
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
    tick();
    EXPECT_EQ(heading, "Well done!");
    EXPECT_EQ(line, "You ate every phrase");
    EXPECT_TRUE(escapeIgnored) << "Escape does not end the game during its last message";
    EXPECT_FALSE(window->Timer1()->isEnabled());
    ASSERT_EQ(modals.scores.size(), 1u);
    EXPECT_EQ(modals.scores[0].top10, "Top 10 scores");
    ASSERT_EQ(modals.scores[0].rows.size(), 1u);
    EXPECT_EQ(modals.scores[0].rows[0][2], "100");
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
    start({QStringLiteral("xy")}, join(place(300, 200, 10, 110, 'K'), place(300, 250)));
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
    start({QStringLiteral("q")}, {});
    QStringList lines;
    onPause(
        [&](PauseForm& pause) {
            lines << pause.Label2()->text();
            QTest::keyClick(&pause, Qt::Key_Space);
        },
        kLives);
    for (int crash = 0; crash < kLives && endCodes.empty(); ++crash) {
        key(Qt::Key_Right);
        for (int step = 0; step < 100 && window->Timer1()->isEnabled(); ++step)
            tick();
    }
    EXPECT_EQ(lines, (QStringList{"Press any key to go on", "Press any key to go on", "Press any key to go on",
                                  "Press any key to go on", "Game over"}));
    EXPECT_EQ(lifeColour(1), QColor(255, 0, 0));
    EXPECT_EQ(modals.scores.size(), 1u);
    EXPECT_EQ(endCodes, std::vector<int>{0});
}

TEST_F(SnakeWindow, TheLevelListHasTheFocusSoTheArrowsChooseTheLevelAndEnterStartsIt)
{
    bool listHadFocus = false;
    bool startedByEnter = false;
    modals.onInstructions = [&](frmInstructions& instructions) {
        // Keys go where the window's focus is, as the keyboard sends them.
        QWidget* focused = instructions.focusWidget();
        listHadFocus = focused && focused == window->cboLevel();
        if (!focused)
            return;
        QTest::keyClick(focused, Qt::Key_Down);
        QTest::keyClick(focused, Qt::Key_Return);
        startedByEnter = !instructions.isVisible();
    };
    start({QStringLiteral("ab")}, {});
    EXPECT_TRUE(listHadFocus);
    EXPECT_TRUE(startedByEnter);
    EXPECT_EQ(interval, 40) << "one step down from level 3 is level 4";
    EXPECT_EQ(window->game()->pointsPerCharacter(), 20);
}

TEST_F(SnakeWindow, EscapeEndsTheProgramDuringTheHoldsWithoutAScore)
{
    struct Case {
        const char* hold;
        QStringList phrases;
        std::vector<double> draws;
    };
    const std::vector<Case> cases{
        // The decoy lies right under the snake's head: the second after the crash.
        {"after a crash", {QStringLiteral("xy")}, join(place(300, 200, 10, 110, 'K'), place(300, 250))},
        // The one character lies under the head: the second after the last phrase.
        {"after the last phrase", {QStringLiteral("a")}, join(place(10, 110), place(10, 120))},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.hold);
        endCodes.clear();
        start(c.phrases, c.draws);
        bool held = false;
        QTimer::singleShot(0, window.get(), [&] {
            held = !window->Timer1()->isEnabled();
            key(Qt::Key_Escape);
        });
        bool pauseShown = false;
        onPause([&](PauseForm& pause) {
            pauseShown = true;
            QTest::keyClick(&pause, Qt::Key_Space);
        });
        tick();
        EXPECT_TRUE(held) << "Escape came while the snake was held";
        EXPECT_EQ(endCodes, std::vector<int>{0});
        EXPECT_FALSE(pauseShown);
        EXPECT_TRUE(modals.scores.empty());
        EXPECT_FALSE(QFile::exists(copyPath(1)));
    }
    const auto stored = platform::Store::open(userStore, platform::OpenMode::ReadOnly)
                            .query("SELECT numberScore FROM tblScores");
    EXPECT_TRUE(stored.empty());
}
