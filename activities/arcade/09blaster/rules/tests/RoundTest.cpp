#include "BlasterFixture.h"

#include <gtest/gtest.h>

namespace blaster::testing {
namespace {

void shootLetters(BlasterFixture& fixture, int count)
{
    for (int i = 0; i < count; ++i)
        ASSERT_TRUE(fixture.shootAt(i)) << "letter " << i;
}

TEST(BlasterRound, CompletesOnItsLastLetterWhateverItsBlanks)
{
    struct Case {
        QString phrase;
        int letters;
        QString shown;
    } cases[] = {
        {"  A  B ", 2, "  A  B "},
        {"A~", 1, "A~"},  // "~" shows no pixel: it can never be hit and counts as shot
        {"LE  PAIN", 6, "LE  PAIN"},
    };
    for (const Case& c : cases) {
        BlasterFixture fixture({c.phrase, "OTHER"}, {0.0});
        shootLetters(fixture, c.letters);
        EXPECT_EQ(fixture.game.phase(), BlasterPhase::PhraseComplete) << c.phrase.toStdString();
        EXPECT_EQ(fixture.game.shownPhrase(), c.shown);
        EXPECT_EQ(fixture.game.score(), 100 * c.letters + 500);
        EXPECT_EQ(fixture.game.level(), 2);
        EXPECT_FALSE(fixture.game.shotInFlight()) << "the shot ends with the phrase";
    }
}

TEST(BlasterRound, APhraseWithoutLettersEndsAtTheFirstHit)
{
    BlasterFixture fixture({"   "});
    ASSERT_EQ(fixture.game.invaders().size(), 10u);
    ASSERT_TRUE(fixture.shootAt(3));
    EXPECT_EQ(fixture.game.phase(), BlasterPhase::PhraseComplete);
}

TEST(BlasterRound, EveryPhraseIsPlayedOnceWhateverItsText)
{
    // Draws: the third phrase first, then the first of the two left.
    BlasterFixture fixture({"DONE", "DONE", "B"}, {0.9});
    EXPECT_EQ(fixture.game.currentPhrase(), 2);
    shootLetters(fixture, 1);
    fixture.game.nextPhrase();
    EXPECT_EQ(fixture.game.currentPhrase(), 0);
    EXPECT_EQ(fixture.game.letters().phrase(), "DONE");
    shootLetters(fixture, 4);
    fixture.game.nextPhrase();
    EXPECT_EQ(fixture.game.currentPhrase(), 1);
    EXPECT_EQ(fixture.game.phrasesLeft(), 0);
    shootLetters(fixture, 4);
    fixture.game.nextPhrase();
    EXPECT_EQ(fixture.game.phase(), BlasterPhase::Over);
    EXPECT_TRUE(fixture.game.won());
    EXPECT_EQ(fixture.game.score(), 9 * 100 + 3 * 500);
}

TEST(BlasterRound, TheGameEndsOnce)
{
    BlasterFixture fixture({"A"});
    shootLetters(fixture, 1);
    ASSERT_EQ(fixture.game.phase(), BlasterPhase::PhraseComplete);

    // Nothing moves while the phrase is being played: not even a landing counts.
    for (Invader& invader : fixture.game.invaders())
        invader.y = 460;
    fixture.march(5);
    fixture.game.marchTick();
    EXPECT_EQ(fixture.game.phase(), BlasterPhase::PhraseComplete);

    fixture.game.nextPhrase();
    ASSERT_EQ(fixture.game.phase(), BlasterPhase::Over);
    ASSERT_TRUE(fixture.game.won());
    const auto score = fixture.game.score();
    fixture.game.endGame(false);
    fixture.game.marchTick();
    fixture.game.pulse();
    fixture.game.shipTick();
    EXPECT_TRUE(fixture.game.won());
    EXPECT_EQ(fixture.game.score(), score);
}

TEST(BlasterRound, KeysFireAndShowTheirHelp)
{
    struct Case {
        BlasterKey key;
        bool modifier;  // Shift, Ctrl or Alt held
        bool help;
        bool fires;
    } cases[] = {
        {BlasterKey::Left, false, false, false},   {BlasterKey::Space, false, false, true},
        {BlasterKey::Modifier, true, false, true}, {BlasterKey::Other, true, false, true},
        {BlasterKey::Other, false, true, false},   {BlasterKey::Slower, false, true, false},
    };
    for (const Case& c : cases) {
        BlasterFixture fixture({"A"});
        EXPECT_EQ(fixture.game.pressKey(c.key, c.modifier), c.help) << int(c.key);
        EXPECT_EQ(fixture.game.shotInFlight(), c.fires) << int(c.key);
    }
}

TEST(BlasterRound, TheShipMovesFourPixelsATickWithinItsTrack)
{
    BlasterFixture fixture({"A"});
    BlasterGame& game = fixture.game;
    game.pressKey(BlasterKey::Right, false);
    game.shipTick();
    EXPECT_EQ(game.shipLeft(), 5);
    game.placeShip(768);
    game.shipTick();
    EXPECT_EQ(game.shipLeft(), 770);
    game.releaseKey(BlasterKey::Right);
    game.pressKey(BlasterKey::Left, false);
    game.placeShip(3);
    game.shipTick();
    EXPECT_EQ(game.shipLeft(), 1);
}

TEST(BlasterRound, PlusAndMinusSetTheMarchBetween2And500)
{
    BlasterFixture fixture({"A"});
    BlasterGame& game = fixture.game;
    EXPECT_EQ(game.marchIntervalMs(), 25);
    for (int press = 0; press < 600; ++press)
        game.pressKey(BlasterKey::Slower, false);
    EXPECT_EQ(game.marchIntervalMs(), 500);
    for (int press = 0; press < 600; ++press)
        game.pressKey(BlasterKey::Faster, false);
    EXPECT_EQ(game.marchIntervalMs(), 2);
    EXPECT_EQ(game.pulseIntervalMs(), 1000) << "the pulse keeps its pace";
}

}  // namespace
}  // namespace blaster::testing
