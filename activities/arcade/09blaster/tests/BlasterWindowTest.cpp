// The invaders window played in-process: the instruction window, the ship
// steered and fired with the keys, the march ticked by hand, the phrase's
// recording, the end sequence and the score row stored in a user store made
// from the built template.
#include "activities/arcade/09blaster/window/frmBlaster.h"
#include "activities/framework/testkit/ActivityWindowTest.h"
#include "activities/framework/windows/frmScores.h"
#include "platform/store/Store.h"
#include "platform/ui/Timer.h"

#include <QFile>
#include <QLabel>
#include <QTest>

#include <gtest/gtest.h>

using namespace blaster;

namespace {

constexpr int kGapX = 164;  // between the first base (51 to 123) and the second (204 to 276)

class BlasterWindow : public activitytest::ActivityWindowTest {
protected:
    void SetUp() override
    {
        ActivityWindowTest::SetUp();
        clock.setAutoAdvance(true);  // every Wait is over at once
    }

    // Starts on these phrases. The random source's draws are all 0: letter i sits
    // on invader i, bombs fall from the first live invader, no UFO comes.
    void start(const QStringList& phrases)
    {
        window = std::make_unique<frmBlaster>(platform::RandomSource::scripted({}));
        // The ticks come from the test; the march and the pulse keep their pace,
        // but the test never lets the event loop run long enough for them.
        for (platform::ui::Timer* timer : {window->Timer3(), window->Timer4(), window->Timer5(), window->TimerUpdate()})
            timer->setInterval(0);
        ASSERT_TRUE(ActivityWindowTest::start(*window, phrases));
    }

    // The column where the invader's letter shows the most pixels (the shot looks
    // ahead every 4 pixels and could slip through a thin stroke), clear of the
    // bombs that fall from the first live invader at its left + 5 to + 7.
    int greenColumn(int invader) const
    {
        const Mask& mask = *window->game()->raster().sprite(window->game()->invaderSprite(invader)).mask;
        int best = 0, bestCount = 0;
        for (int x = 0; x < mask.width; ++x) {
            if (x >= 3 && x <= 9)
                continue;
            int count = 0;
            for (int y = 0; y < mask.height; ++y)
                count += mask.at(x, y) == kGreen;
            if (count > bestCount) {
                best = x;
                bestCount = count;
            }
        }
        return best;
    }

    // Moves the formation so that the invader's letter stands over the gap between the
    // first two bases, steers the ship under it with the arrow keys, fires with
    // Space and marches until the shot has ended. The formation is held still.
    void shoot(int invader)
    {
        BlasterGame& game = *window->game();
        game.setStepX(0.0f);
        const float shift = kGapX - greenColumn(invader) - game.invaders()[std::size_t(invader)].x;
        for (Invader& each : game.invaders())
            each.x += shift;
        game.syncSprites();
        const int target = kGapX - 14;
        const Qt::Key toward = target < game.shipLeft() ? Qt::Key_Left : Qt::Key_Right;
        QTest::keyPress(window.get(), toward);
        while (std::abs(game.shipLeft() - target) >= 4)
            emit window->Timer5()->timeout();
        QTest::keyRelease(window.get(), toward);
        game.placeShip(target);  // the last pixels
        QTest::keyClick(window.get(), Qt::Key_Space);
        ASSERT_TRUE(game.shotInFlight());
        for (int tick = 0; tick < 100 && game.shotInFlight() && game.phase() == BlasterPhase::Playing; ++tick)
            emit window->Timer2()->timeout();
    }

    std::unique_ptr<frmBlaster> window;
};

}  // namespace

TEST_F(BlasterWindow, PlayedFromTheInstructionWindowToTheStoredScore)
{
    start({"ab", "l'c"});
    EXPECT_EQ(window->windowTitle(), "Lessondesk French - Blaster 1.0.0");
    const BlasterGame& game = *window->game();
    ASSERT_EQ(game.currentPhrase(), 0);
    EXPECT_EQ(window->lblTranslation()->text(), "translation 1");
    EXPECT_TRUE(window->Timer1()->isEnabled());
    EXPECT_TRUE(window->Timer2()->isEnabled());
    EXPECT_TRUE(window->Timer4()->isEnabled());
    EXPECT_TRUE(window->TimerUpdate()->isEnabled());
    EXPECT_TRUE(soundLines().join("\n").contains("START"));
    activitytest::snapshot(window.get(), "play");

    // A key the game does not use shows the key help; an arrow hides it.
    QTest::keyClick(window.get(), Qt::Key_Q);
    EXPECT_FALSE(window->lblWrongKey()->isHidden());
    EXPECT_EQ(window->lblWrongKey()->text(), "Move with the arrow keys, fire with Space or Shift");

    shoot(0);
    EXPECT_EQ(window->lblPhrase()->text(), "A");
    EXPECT_TRUE(window->lblWrongKey()->isHidden());
    EXPECT_EQ(window->lblScore()->text(), "0") << "the score label waits for its timer";
    emit window->TimerUpdate()->timeout();
    EXPECT_EQ(window->lblScore()->text(), "100");

    // The last letter: a pause, the phrase's recording, then the next phrase.
    const qsizetype before = soundLines().size();
    shoot(1);
    const QStringList afterFirst = soundLines().mid(before);
    EXPECT_TRUE(afterFirst.contains("file\t" + copyPath(1) + "\tsync"))
        << afterFirst.join("|").toStdString();
    EXPECT_EQ(game.currentPhrase(), 1);
    EXPECT_EQ(window->lblTranslation()->text(), "translation 2");
    EXPECT_EQ(window->lblPhrase()->text(), "");
    EXPECT_TRUE(window->Timer2()->isEnabled());

    // The apostrophe is shot in its place; then the game is won.
    shoot(0);
    shoot(1);
    EXPECT_EQ(window->lblPhrase()->text(), "L'");
    shoot(2);
    ASSERT_EQ(game.phase(), BlasterPhase::Over);
    EXPECT_TRUE(game.won());
    EXPECT_FALSE(window->Timer2()->isEnabled());
    EXPECT_TRUE(window->Timer3()->isEnabled());
    const std::int64_t score = 5 * 100 + 2 * 500;
    EXPECT_EQ(game.score(), score);
    EXPECT_EQ(window->lblRating()->text(), "1500 points") << "the rating is the score, not the label behind it";
    EXPECT_EQ(window->lblGameOver()->text(), "YOU WIN!");

    // The curtain falls; at its end the result shows and the score is kept.
    modals.onScores = [&](frmScores&) { activitytest::snapshot(window.get(), "end"); };
    int ticks = 0;
    while (window->Timer3()->isEnabled() && ticks < 200) {
        emit window->Timer3()->timeout();
        ++ticks;
    }
    EXPECT_EQ(ticks, 110);
    EXPECT_FALSE(window->lblGameOver()->isHidden());
    ASSERT_EQ(modals.scores.size(), 1u);
    EXPECT_EQ(modals.scores[0].top10, "Top 10 scores");
    ASSERT_EQ(modals.scores[0].rows.size(), 1u);
    EXPECT_EQ(modals.scores[0].rows[0].mid(1, 2), (QStringList{"Ana Diaz", "1500"}));
    EXPECT_EQ(endCodes, std::vector<int>{0});

    const auto stored = platform::Store::open(userStore, platform::OpenMode::ReadOnly)
                            .query("SELECT tName, numberScore, tSubject, tActivity FROM tblScores");
    ASSERT_EQ(stored.size(), 1u);
    EXPECT_EQ(stored[0]["tName"].toText(), "Ana Diaz");
    EXPECT_EQ(stored[0]["numberScore"].toText(), "1500");
    EXPECT_EQ(stored[0]["tSubject"].toText(), "Colours");
    EXPECT_EQ(stored[0]["tActivity"].toText(), "Blaster");
}

TEST_F(BlasterWindow, EscapeEndsThePlayWithoutAScore)
{
    start({"ab"});
    shoot(0);
    QTest::keyClick(window.get(), Qt::Key_Escape);
    EXPECT_EQ(endCodes, std::vector<int>{0});
    EXPECT_FALSE(QFile::exists(copyPath(1)));
    const auto stored = platform::Store::open(userStore, platform::OpenMode::ReadOnly).query("SELECT * FROM tblScores");
    EXPECT_TRUE(stored.empty());
}

TEST_F(BlasterWindow, TheLastLifeLostEndsInRed)
{
    start({"ab"});
    BlasterGame& game = *window->game();
    game.setLives(1);
    for (Invader& invader : game.invaders())
        invader.destroyed = true;
    game.bombs()[0] = Bomb{true, float(game.shipLeft() + 14), 460, 12.0f};  // onto the cannon
    emit window->Timer2()->timeout();
    ASSERT_EQ(game.phase(), BlasterPhase::Over);
    EXPECT_FALSE(game.won());
    EXPECT_EQ(window->lblGameOver()->text(), "GAME OVER");
    EXPECT_TRUE(soundLines().join("\n").contains("explode\tsync")) << "the game waits for the ship's explosion";
}
