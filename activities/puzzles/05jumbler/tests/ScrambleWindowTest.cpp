// The letter-scramble window played through as a learner plays it: the
// instruction window, tiles dragged with the mouse, the flash and the countdown
// driven tick by tick, the message and score windows, and the stored result.
#include "activities/puzzles/05jumbler/window/frmScramble.h"

#include "activities/framework/testkit/ActivityWindowTest.h"
#include "common/studylist/HandoffFiles.h"
#include "platform/store/Store.h"
#include "platform/ui/Timer.h"
#include "platform/ui/Twips.h"

#include <QFileInfo>
#include <QLabel>
#include <QRegularExpression>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>
#include <vector>

using activitytest::snapshot;
using jumbler::frmScramble;

namespace {

class ScrambleWindow : public activitytest::ActivityWindowTest {
protected:
    void SetUp() override
    {
        ActivityWindowTest::SetUp();
        clock.setAutoAdvance(true);  // every Wait is over at once
    }

    // Starts the window on these phrases; tiles are dealt in the letters' order.
    std::unique_ptr<frmScramble> start(const QStringList& phrases)
    {
        auto window = std::make_unique<frmScramble>(platform::RandomSource::scripted({}));
        EXPECT_TRUE(ActivityWindowTest::start(*window, phrases));
        return window;
    }

    // Presses on the tile, moves it to the point of the window and lets go there.
    static void drag(frmScramble& window, int tile, QPoint to)
    {
        QLabel* label = window.lblDrag(tile);
        QTest::mousePress(label, Qt::LeftButton, {}, label->rect().center());
        QTest::mouseMove(label, label->mapFrom(&window, (label->geometry().center() + to) / 2));
        QTest::mouseMove(label, label->mapFrom(&window, to));
        QTest::mouseRelease(label, Qt::LeftButton, {}, label->mapFrom(&window, to));
    }

    // Drags a tile with the right letter onto every slot; with swapFirstTwo the
    // first two slots get each other's letter.
    static void spell(frmScramble& window, bool swapFirstTwo = false)
    {
        const auto& targets = window.game()->letterSlots();
        std::vector<bool> used(window.game()->tiles().size(), false);
        for (int s = 0; s < static_cast<int>(targets.size()); ++s) {
            const int wanted = swapFirstTwo && s < 2 ? 1 - s : s;
            const QString letter = targets[static_cast<std::size_t>(wanted)].rightLetter;
            int tile = 0;
            while (used[static_cast<std::size_t>(tile)] || window.game()->tiles()[tile].letter != letter)
                ++tile;
            used[static_cast<std::size_t>(tile)] = true;
            drag(window, tile, window.lblLetter(s)->geometry().center());
        }
    }

    static void ticks(platform::ui::Timer* timer, int count)
    {
        for (int i = 0; i < count; ++i)
            emit timer->timeout();
    }

    // From now on a wait lasts until the test moves the clock on. Should one be
    // left standing, the test fails after a few real seconds instead of hanging.
    void holdWaits()
    {
        clock.setAutoAdvance(false);
        hangGuard_.setSingleShot(true);
        QObject::connect(&hangGuard_, &QTimer::timeout, [this] {
            ADD_FAILURE() << "a wait was left standing";
            clock.setAutoAdvance(true);
        });
        hangGuard_.start(5000);
    }

    // Runs each step from inside the wait that the step before it starts; the
    // first from inside the wait of what the test does next.
    static void duringWaits(std::vector<std::function<void()>> steps)
    {
        if (steps.empty())
            return;
        QTimer::singleShot(0, [steps]() mutable {
            const std::function<void()> step = steps.front();
            steps.erase(steps.begin());
            duringWaits(std::move(steps));
            step();
        });
    }

private:
    QTimer hangGuard_;
};

}  // namespace

TEST_F(ScrambleWindow, PlaysThroughFromTheInstructionsToTheStoredScore)
{
    auto window = start({"un chat", "oui", "  "});
    EXPECT_EQ(modals.instructions, QStringList({"Jumbler", window->mCaptions(3), "PLAY"}));
    EXPECT_EQ(window->lblCapPoints()->text(), "Points");
    EXPECT_EQ(window->lblCapSeconds()->text(), "Seconds");

    // The first phrase: six slots in two groups, 42 seconds.
    EXPECT_EQ(window->lblTranslation()->text(), "translation 1");
    EXPECT_EQ(window->lblPhrasesleft()->text(), "3  left to play");
    EXPECT_EQ(window->lblTimer()->text(), "42");
    EXPECT_TRUE(window->Timer1()->isEnabled());
    EXPECT_EQ(window->lblLetter(5)->geometry(), platform::ui::twipsToPixels(window->game()->letterSlots()[5].rect));
    EXPECT_EQ(window->lblLetter(6), nullptr);

    // A tile let go on the bare window stays centred where it was let go.
    const QPoint free(window->width() - 40, window->lblLetter(0)->geometry().bottom() + 60);
    drag(*window, 0, free);
    EXPECT_LE((window->lblDrag(0)->geometry().center() - free).manhattanLength(), 2);
    EXPECT_EQ(window->lblDrag(0)->borderWidth(), 1);
    // Let go on another control, it goes back.
    const QRect dropped = window->lblDrag(0)->geometry();
    drag(*window, 0, window->lblTranslation()->geometry().center());
    EXPECT_EQ(window->lblDrag(0)->geometry(), dropped);

    // Held over a slot, the tile turns it blue; let go there, it fills it.
    QLabel* tile = window->lblDrag(0);
    QTest::mousePress(tile, Qt::LeftButton, {}, tile->rect().center());
    QTest::mouseMove(tile, tile->mapFrom(window.get(), window->lblLetter(1)->geometry().center()));
    EXPECT_EQ(window->lblLetter(1)->palette().color(QPalette::Window), QColor(Qt::blue));
    snapshot(window.get(), "drag-over");
    QTest::mouseRelease(tile, Qt::LeftButton, {}, tile->mapFrom(window.get(), window->lblLetter(1)->geometry().center()));
    EXPECT_EQ(window->lblLetter(1)->palette().color(QPalette::Window), QColor(Qt::white));
    EXPECT_EQ(window->lblLetter(1)->text(), window->game()->tiles()[0].letter);

    ticks(window->Timer1(), 3);
    EXPECT_EQ(window->lblTimer()->text(), "39");
    spell(*window);
    EXPECT_FALSE(window->Timer1()->isEnabled());
    EXPECT_TRUE(window->Timer3()->isEnabled());
    EXPECT_TRUE(window->lblMsg()->isVisible());
    EXPECT_EQ(window->lblMsg()->text(), "Good job!");
    EXPECT_EQ(window->lblLetter(0)->palette().color(QPalette::Window), QColor(Qt::white));
    EXPECT_EQ(window->lblDrag(0)->borderWidth(), 0);
    const QStringList sounds = soundLines();
    EXPECT_EQ(sounds.filter("\tPOP\tasync", Qt::CaseInsensitive).size(), 7);  // one drop more than letters
    EXPECT_EQ(sounds.filter("\tCORRECTBEEP\tasync", Qt::CaseInsensitive).size(), 1);
    EXPECT_EQ(sounds.filter(QRegularExpression("^file\t.*~dvl" + QString::number(kActivityPid) + "1\\.wav\tsync$")).size(), 1);

    snapshot(window.get(), "praise");
    // Sixteen colours, then the bonus and the next phrase.
    ticks(window->Timer3(), 12);
    snapshot(window.get(), "flash");
    ticks(window->Timer3(), 4);
    EXPECT_EQ(window->lblDrag(0)->palette().color(QPalette::Window), QColor(Qt::black));
    EXPECT_EQ(window->lblPoints()->text(), "0");
    ticks(window->Timer3(), 1);
    EXPECT_FALSE(window->Timer3()->isEnabled());
    EXPECT_EQ(window->lblPoints()->text(), "39");
    EXPECT_FALSE(window->lblMsg()->isVisible());
    EXPECT_EQ(window->lblTranslation()->text(), "translation 2");
    EXPECT_EQ(window->lblPhrasesleft()->text(), "2  left to play");
    EXPECT_EQ(window->lblDrag(3), nullptr);
    EXPECT_EQ(window->lblDrag(0)->pos(), platform::ui::twipsToPixels(jumbler::layout::kLaterTile0));
    snapshot(window.get(), "second-phrase");

    // The second phrase runs out of time: the message, no points. The third has
    // no letters and runs out at once; then the score is stored and shown.
    ticks(window->Timer1(), 21);
    ASSERT_EQ(modals.messages.size(), 2u);
    EXPECT_EQ(modals.messages[0].heading, "Time's up!");
    EXPECT_EQ(modals.messages[0].answer, "The phrase was:\r\noui");
    EXPECT_EQ(modals.messages[0].button, "\r\nContinue");
    EXPECT_EQ(modals.messages[1].answer, "The phrase was:\r\n  ");
    EXPECT_EQ(soundLines().filter("\tTIMESUP\tsync", Qt::CaseInsensitive).size(), 2);
    ASSERT_EQ(modals.scores.size(), 1u);
    ASSERT_EQ(modals.scores[0].rows.size(), 1u);
    EXPECT_EQ(modals.scores[0].rows[0].mid(0, 3), QStringList({"1", "Ana Diaz", "39 Points"}));
    EXPECT_EQ(modals.scores[0].selected, 0);
    EXPECT_EQ(endCodes, std::vector<int>{0});

    const platform::Store store = platform::Store::open(userStore, platform::OpenMode::ReadOnly);
    const auto rows = store.query("SELECT tName, numberScore, tSubject, tActivity FROM tblScores");
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0]["tName"].toText(), "Ana Diaz");
    EXPECT_EQ(rows[0]["numberScore"].toInt(), 39);
    EXPECT_EQ(rows[0]["tSubject"].toText(), "Colours");
    EXPECT_EQ(rows[0]["tActivity"].toText(), "Jumbler");
    // The activity's sound copies are gone; the main program's files stay.
    EXPECT_FALSE(QFileInfo::exists(environment.tempFolder + studylist::soundFileName(kActivityPid, 1)));
    EXPECT_TRUE(QFileInfo::exists(launch.studyListPath));
}

TEST_F(ScrambleWindow, AWrongAnswerBuzzesAndPlayGoesOn)
{
    auto window = start({"ab"});
    spell(*window, true);
    EXPECT_EQ(soundLines().filter("\tBUZZER\tsync", Qt::CaseInsensitive).size(), 1);
    EXPECT_TRUE(window->Timer1()->isEnabled());
    EXPECT_FALSE(window->Timer3()->isEnabled());
    EXPECT_FALSE(window->lblMsg()->isVisible());
    for (int i = 0; i < 2; ++i)
        EXPECT_EQ(window->lblDrag(i)->palette().color(QPalette::WindowText), QColor(Qt::red));
    snapshot(window.get(), "wrong-answer");

    // Dropping a tile on the other's slot sends that tile back to its place;
    // the background turns the letters black again.
    drag(*window, 0, window->lblLetter(0)->geometry().center());
    EXPECT_EQ(window->lblDrag(1)->geometry(), platform::ui::twipsToPixels(window->game()->tiles()[1].home));
    drag(*window, 1, QPoint(window->width() / 2, window->height() / 2));
    EXPECT_EQ(window->lblDrag(0)->palette().color(QPalette::WindowText), QColor(Qt::black));

    // Put right, the phrase is judged once and the game ends after the flash.
    drag(*window, 1, window->lblLetter(1)->geometry().center());
    EXPECT_TRUE(window->Timer3()->isEnabled());
    ticks(window->Timer3(), 17);
    EXPECT_EQ(endCodes, std::vector<int>{0});
    ASSERT_EQ(modals.scores.size(), 1u);
    ASSERT_EQ(modals.scores[0].rows.size(), 1u);
    EXPECT_EQ(modals.scores[0].rows[0][2], window->lblPoints()->text() + " Points");
}

TEST_F(ScrambleWindow, BriskDropsAllLandAndTheWordIsJudgedOnce)
{
    auto window = start({"abc"});
    holdWaits();
    const auto slotCentre = [&](int slot) { return window->lblLetter(slot)->geometry().center(); };
    // Each drop 0.4 s after the one before, inside its wait.
    bool lastWaitReached = false;
    duringWaits({
        [&] { clock.advance(400); drag(*window, 1, slotCentre(1)); },
        [&] { clock.advance(400); drag(*window, 2, slotCentre(2)); },
        [&] {
            // Every tile has landed; the word waits for the last drop's wait.
            lastWaitReached = true;
            for (int i = 0; i < 3; ++i) {
                EXPECT_EQ(window->lblLetter(i)->text(), window->game()->tiles()[i].letter);
                EXPECT_EQ(window->lblDrag(i)->palette().color(QPalette::WindowText), QColor(Qt::black));
            }
            EXPECT_EQ(soundLines().filter("\tPOP\tasync", Qt::CaseInsensitive).size(), 3);
            EXPECT_FALSE(window->lblMsg()->isVisible());
            clock.setAutoAdvance(true);  // the three waits end
        },
    });
    drag(*window, 0, slotCentre(0));
    ASSERT_TRUE(lastWaitReached);

    // Judged once, right: the praise, the flash, and the 21 seconds kept.
    const QStringList sounds = soundLines();
    EXPECT_EQ(sounds.filter("\tCORRECTBEEP\tasync", Qt::CaseInsensitive).size(), 1);
    EXPECT_EQ(sounds.filter("\tBUZZER\t", Qt::CaseInsensitive).size(), 0);
    EXPECT_EQ(sounds.filter(QRegularExpression("^file\t.*~dvl" + QString::number(kActivityPid) + "1\\.wav\tsync$")).size(), 1);
    EXPECT_TRUE(window->lblMsg()->isVisible());
    EXPECT_FALSE(window->Timer1()->isEnabled());
    ASSERT_TRUE(window->Timer3()->isEnabled());
    ticks(window->Timer3(), 17);
    EXPECT_EQ(endCodes, std::vector<int>{0});
    ASSERT_EQ(modals.scores.size(), 1u);
    ASSERT_EQ(modals.scores[0].rows.size(), 1u);
    EXPECT_EQ(modals.scores[0].rows[0][2], "21 Points");
    const platform::Store store = platform::Store::open(userStore, platform::OpenMode::ReadOnly);
    const auto rows = store.query("SELECT numberScore FROM tblScores");
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0]["numberScore"].toInt(), 21);
}

TEST_F(ScrambleWindow, ALetterTakenOffARightBoardBeforeItIsJudgedRestartsTheCountdown)
{
    auto window = start({"ab"});
    drag(*window, 0, window->lblLetter(0)->geometry().center());
    holdWaits();
    bool takenOff = false;
    duringWaits({[&] {
        ASSERT_FALSE(window->Timer1()->isEnabled()) << "a right board stops the countdown";
        drag(*window, 1, QPoint(window->width() / 2, window->height() / 2));
        takenOff = true;
        EXPECT_TRUE(window->Timer1()->isEnabled());
        clock.setAutoAdvance(true);
    }});
    drag(*window, 1, window->lblLetter(1)->geometry().center());
    ASSERT_TRUE(takenOff);
    EXPECT_EQ(soundLines().filter(QRegularExpression("BUZZER|CORRECTBEEP", QRegularExpression::CaseInsensitiveOption)).size(), 0);
    EXPECT_TRUE(window->Timer1()->isEnabled());
    EXPECT_EQ(window->game()->letterSlots()[1].letter, "");
}

TEST_F(ScrambleWindow, TimeRunningOutWhileADropWaitsEndsOnlyThatPhrase)
{
    auto window = start({"abc", "de"});
    ticks(window->Timer1(), 20);
    ASSERT_EQ(window->lblTimer()->text(), "1");

    holdWaits();
    bool lastSecondWent = false;
    duringWaits({
        // A second drop lands while the first waits...
        [&] { clock.advance(400); drag(*window, 1, window->lblLetter(1)->geometry().center()); },
        // ...and the last second goes while the second waits.
        [&] {
            EXPECT_EQ(window->game()->letterSlots()[1].letter, window->game()->tiles()[1].letter);
            ticks(window->Timer1(), 1);
            lastSecondWent = true;
            clock.advance(2000);
        },
    });
    drag(*window, 0, window->lblLetter(0)->geometry().center());
    ASSERT_TRUE(lastSecondWent);

    // The time-up message came, the next phrase stands, and both drops, back
    // from their waits, judged nothing and touched none of its tiles.
    ASSERT_EQ(modals.messages.size(), 1u);
    EXPECT_EQ(window->lblTranslation()->text(), "translation 2");
    EXPECT_EQ(window->lblTimer()->text(), "14");
    EXPECT_TRUE(window->Timer1()->isEnabled());
    EXPECT_EQ(window->lblDrag(2), nullptr);
    for (const jumbler::LetterSlot& slot : window->game()->letterSlots())
        EXPECT_EQ(slot.letter, "");
    EXPECT_EQ(window->game()->stage(), jumbler::Stage::Playing);
    EXPECT_EQ(soundLines().filter(QRegularExpression("BUZZER|CORRECTBEEP", QRegularExpression::CaseInsensitiveOption)).size(), 0);
    EXPECT_EQ(window->lblPoints()->text(), "0");
    EXPECT_TRUE(endCodes.empty());
}
