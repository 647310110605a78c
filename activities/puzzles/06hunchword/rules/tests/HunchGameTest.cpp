#include "activities/puzzles/06hunchword/rules/HunchGame.h"

#include <gtest/gtest.h>

using namespace hunchword;

namespace {

// Every draw the same: tiles worth 500 points, the last phrase still to come.
RandomSource always(double value)
{
    return RandomSource::from([value] { return value; });
}

int keyOf(const HunchGame& game, const QString& letter) { return static_cast<int>(game.alphabet().indexOf(letter)) + 1; }

HunchGame oneLetterGame(const char* phrase, const char* code = "dvlfre")
{
    return HunchGame({{QString::fromUtf8(phrase), "translation"}}, courseAlphabet(code), always(0.95));
}

}  // namespace

TEST(HunchGame, ALetterRevealsAllItsTilesAndTheirPointsGoToThePicker)
{
    HunchGame game({{"la salade", "the salad"}}, courseAlphabet("dvlfre"), always(0.95));
    ASSERT_TRUE(game.newGame());
    ASSERT_EQ(game.tiles().size(), 8u);
    EXPECT_EQ(game.tiles()[0].points, 500);

    const PickOutcome hit = game.pick(keyOf(game, "A"));
    EXPECT_TRUE(hit.taken);
    EXPECT_EQ(hit.matches, 3);
    EXPECT_EQ(hit.gained, 1500);
    EXPECT_EQ(game.points(Player::Learner), 1500);
    EXPECT_EQ(game.player(), Player::Learner) << "a right letter keeps the turn";
    EXPECT_EQ(game.tiles()[1].look, Look::Matched);
    game.revealMatched();
    EXPECT_EQ(game.tiles()[1].look, Look::Revealed);
    EXPECT_FALSE(game.pick(keyOf(game, "A")).taken) << "a key is used once a phrase";

    const PickOutcome miss = game.pick(keyOf(game, "Z"));
    EXPECT_EQ(miss.matches, 0);
    EXPECT_EQ(game.player(), Player::Computer);
    EXPECT_EQ(game.points(Player::Computer), 0);
    for (const char* letter : {"L", "S", "D", "E"})
        game.pick(keyOf(game, letter));
    game.revealMatched();
    EXPECT_TRUE(game.solved());
    EXPECT_EQ(game.points(Player::Computer), 2500);
    EXPECT_EQ(game.afterPhrase(), AfterPhrase::GameOver);
    EXPECT_TRUE(game.gameOver());
    EXPECT_EQ(game.phrasesLeft(), 0);
}

TEST(HunchGame, APhraseOfOneRepeatedLetterIsSolvedByOnePick)
{
    HunchGame game = oneLetterGame("ooo");
    ASSERT_TRUE(game.newGame());
    game.pick(keyOf(game, "O"));
    game.revealMatched();
    EXPECT_TRUE(game.solved());
    EXPECT_EQ(game.points(Player::Learner), 1500);
}

TEST(HunchGame, CharactersWithoutAKeyAreShownAtTheDealAndScoreNothing)
{
    // The English keyboard has no É; German keeps ß as one key when upper-cased.
    HunchGame english = oneLetterGame("café", "dvleng");
    ASSERT_TRUE(english.newGame());
    EXPECT_EQ(english.tiles()[3].letter, QString::fromUtf8("É"));
    EXPECT_EQ(english.tiles()[3].look, Look::Revealed);
    EXPECT_EQ(english.tiles()[3].points, 0);
    for (const char* letter : {"C", "A", "F"})
        english.pick(keyOf(english, letter));
    english.revealMatched();
    EXPECT_TRUE(english.solved());

    HunchGame german = oneLetterGame("Straße", "dvlger");
    ASSERT_TRUE(german.newGame());
    ASSERT_EQ(german.tiles().size(), 6u);
    EXPECT_EQ(german.tiles()[4].letter, QString::fromUtf8("ß"));
    EXPECT_EQ(german.pick(keyOf(german, QString::fromUtf8("ß"))).matches, 1);
}

TEST(HunchGame, PhrasesWithNothingToPickArePassedOver)
{
    HunchGame game({{"  ", "blanks"}, {"日本", "no keys"}, {"oui", "yes"}}, courseAlphabet("dvlfre"), always(0.0));
    ASSERT_TRUE(game.newGame());
    EXPECT_EQ(game.currentPhrase().text, "oui");
    EXPECT_EQ(game.phrasesLeft(), 1);

    HunchGame nothing({{"", "empty"}}, courseAlphabet("dvlfre"), always(0.0));
    EXPECT_FALSE(nothing.newGame());
    EXPECT_TRUE(nothing.gameOver());

    HunchGame noKeyboard = HunchGame({{"oui", "yes"}}, courseAlphabet("dvlxyz"), always(0.0));
    EXPECT_FALSE(noKeyboard.newGame()) << "without keys nothing can be picked";
}

TEST(HunchGame, TheComputerKnowsMoreAsThePhraseOpensAndAlwaysWhileTrailing)
{
    // Ten different letters: each pick reveals one tenth.
    HunchGame game = oneLetterGame("ABCDEFGHIJ");
    ASSERT_TRUE(game.newGame());
    struct Step {
        const char* letter;
        int tier;  // after that letter is revealed
    };
    EXPECT_EQ(game.skillTier(), 5);
    game.switchTurn();  // the computer picks first, so it never trails
    for (const Step& step : {Step{"A", 5}, Step{"B", 4}, Step{"C", 4}, Step{"D", 3}, Step{"E", 3}, Step{"F", 2},
                             Step{"G", 2}, Step{"H", 1}}) {
        game.pick(keyOf(game, step.letter));
        game.revealMatched();
        EXPECT_EQ(game.skillTier(), step.tier) << "after " << step.letter;
    }

    // Tiles worth 50 for the learner's lead, then whatever the draws.
    HunchGame trailing({{"AABCDEFGHI", "letters"}}, courseAlphabet("dvlfre"),
                       RandomSource::scripted({0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.9, 0.3, 0.7, 0.99}));
    ASSERT_TRUE(trailing.newGame());
    trailing.pick(keyOf(trailing, "A"));  // the learner leads by 100
    trailing.revealMatched();
    trailing.switchTurn();
    EXPECT_EQ(trailing.skillTier(), 1);
    // Every sure pick is a hidden letter of the phrase.
    int picks = 0;
    while (trailing.points(Player::Computer) < trailing.points(Player::Learner)) {
        ASSERT_EQ(trailing.skillTier(), 1);
        ASSERT_GT(trailing.pick(trailing.chooseComputerKey()).matches, 0) << "pick " << picks;
        trailing.revealMatched();
        ++picks;
    }
    EXPECT_EQ(picks, 2) << "two 50-point letters draw level";
    EXPECT_EQ(trailing.skillTier(), 3) << "a tie is not trailing";
}

TEST(HunchGame, AFreePickIsAnyKeyStillShown)
{
    // The first draw decides: 0.5 on tier 5 gives a free pick, the next draw the key.
    HunchGame game({{"oui", "yes"}}, courseAlphabet("dvlfre"),
                   RandomSource::scripted({0.0, 0.1, 0.1, 0.1, 0.5, 0.0}));
    ASSERT_TRUE(game.newGame());
    game.pick(1);  // A: a miss, used up
    EXPECT_EQ(game.chooseComputerKey(), 2) << "the first key still shown";
}

TEST(HunchGame, TheTurnClockPassesTheTurnAtZero)
{
    HunchGame game = oneLetterGame("oui");
    ASSERT_TRUE(game.newGame());
    for (int second = 1; second < kTurnSeconds; ++second)
        ASSERT_FALSE(game.clockTick()) << second;
    EXPECT_EQ(game.clock(), 1);
    EXPECT_TRUE(game.clockTick());
    EXPECT_EQ(game.clock(), kTurnSeconds);
    game.switchTurn();
    EXPECT_TRUE(game.computerToPlay());
}

TEST(HunchGame, PointsBeyondSixteenBitsAreKeptWhole)
{
    HunchGame game = oneLetterGame(std::string(70, 'a').c_str());
    ASSERT_TRUE(game.newGame());
    game.pick(keyOf(game, "A"));
    EXPECT_EQ(game.points(Player::Learner), 35000);
}

TEST(HunchGame, EveryPhraseIsDealtOnceAndTheSolverKeepsTheTurn)
{
    HunchGame game({{"un", "one"}, {"deux", "two"}, {"trois", "three"}}, courseAlphabet("dvlfre"), always(0.5));
    ASSERT_TRUE(game.newGame());
    QStringList dealt{game.currentPhrase().text};
    game.switchTurn();
    while (!game.gameOver()) {
        for (const Tile& tile : std::vector<Tile>(game.tiles()))
            game.pick(keyOf(game, tile.letter));
        game.revealMatched();
        ASSERT_TRUE(game.solved());
        EXPECT_EQ(game.player(), Player::Computer);
        if (game.afterPhrase() == AfterPhrase::NextPhrase)
            dealt << game.currentPhrase().text;
    }
    dealt.sort();
    EXPECT_EQ(dealt, QStringList({"deux", "trois", "un"}));
}
