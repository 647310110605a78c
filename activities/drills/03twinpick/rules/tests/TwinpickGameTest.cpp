#include "activities/drills/03twinpick/rules/TwinpickGame.h"

#include <gtest/gtest.h>

#include <map>
#include <memory>

using namespace twinpick;

namespace {

// A game on a fake clock that reads *seconds since midnight.
struct Table {
    std::shared_ptr<int> seconds = std::make_shared<int>(10 * 3600);
    TwinpickGame game;

    explicit Table(int phrases, std::vector<double> draws = {})
        : game(phrases, RandomSource::scripted(std::move(draws)),
               [s = seconds] { return elapsed::TimeOfDay::fromSeconds(*s); })
    {
        game.New_Game();
    }

    // Runs a whole turn of card index; returns the effect sounds it asked for.
    std::vector<QString> turn(int index)
    {
        std::vector<QString> sounds;
        EXPECT_TRUE(game.press(index)) << "card " << index;
        for (int tick = 1; tick <= kTurnTicks; ++tick) {
            const TurnStep step = game.turnTick();
            EXPECT_EQ(step.slide, tick * 500);
            EXPECT_EQ(step.done, tick == kTurnTicks);
            if (!step.sound.isEmpty())
                sounds.push_back(step.sound);
        }
        return sounds;
    }

    int cardOf(int phrase, bool translation) const
    {
        for (int index = 0; index < game.cardCount(); ++index) {
            if (game.card(index).phrase == phrase && game.card(index).translation == translation)
                return index;
        }
        return -1;
    }
};

}  // namespace

TEST(TwinpickDealTest, EveryPhraseIsDealtOnceAsPhraseAndOnceAsTranslation)
{
    for (int phrases = 1; phrases <= 10; ++phrases) {
        Table table(phrases, {0.37, 0.9, 0.1, 0.55, 0.0, 0.99, 0.42, 0.7, 0.2, 0.61, 0.8, 0.33});
        ASSERT_EQ(table.game.cardCount(), 2 * phrases);
        std::map<int, std::pair<int, int>> sides;  // phrase -> (phrase cards, translation cards)
        for (int index = 0; index < table.game.cardCount(); ++index) {
            const Card& card = table.game.card(index);
            EXPECT_EQ(card.state, CardState::FaceDown);
            auto& [phraseCards, translationCards] = sides[card.phrase];
            ++(card.translation ? translationCards : phraseCards);
        }
        EXPECT_EQ(sides.size(), static_cast<std::size_t>(phrases));
        for (const auto& [phrase, counts] : sides) {
            EXPECT_GE(phrase, 1);
            EXPECT_LE(phrase, phrases);
            EXPECT_EQ(counts, std::make_pair(1, 1)) << "phrase " << phrase << " of " << phrases;
        }
        EXPECT_EQ(table.game.pairsLeft(), phrases);
    }
}

TEST(TwinpickDealTest, PicksOneOfTenBacksAndPlacesPhrasesBeforeTranslations)
{
    // The first draw picks the back; then phrase 1, phrase 2, translation 1 and
    // translation 2 each take a free card.
    Table last(2, {0.99, 0.99, 0.0, 0.5, 0.0});
    EXPECT_EQ(last.game.cardBack(), 110);
    EXPECT_EQ(last.cardOf(1, false), 3);
    EXPECT_EQ(last.cardOf(2, false), 0);
    EXPECT_EQ(last.cardOf(1, true), 2);
    EXPECT_EQ(last.cardOf(2, true), 1);
    EXPECT_EQ(Table(2, {0.0}).game.cardBack(), 101);
}

TEST(TwinpickTurnTest, TurningSlidesTheBackAwayWithItsEffects)
{
    Table table(2);
    EXPECT_EQ(table.turn(0), (std::vector<QString>{"CardWhipe", "StopWhipe"}));
    EXPECT_EQ(table.game.card(0).state, CardState::FaceUp);
    EXPECT_TRUE(table.game.busy());  // the pause before judging

    Table quiet(2);
    quiet.game.setEffectsOn(false);
    EXPECT_TRUE(quiet.turn(0).empty());
}

TEST(TwinpickTurnTest, RefusesPressesUntilThePairIsJudged)
{
    Table table(3);
    const int phrase1 = table.cardOf(1, false);
    const int phrase2 = table.cardOf(2, false);
    const int phrase3 = table.cardOf(3, false);

    ASSERT_TRUE(table.game.press(phrase1));
    EXPECT_FALSE(table.game.press(phrase2)) << "while the first card turns";
    while (!table.game.turnTick().done) {
    }
    EXPECT_FALSE(table.game.press(phrase2)) << "during the pause";
    EXPECT_EQ(table.game.Judge_Pair().judgement, Judgement::FirstCard);
    EXPECT_FALSE(table.game.press(phrase1)) << "the open card itself";

    table.turn(phrase2);
    EXPECT_FALSE(table.game.press(phrase3)) << "while the pair waits for judgement";
    EXPECT_EQ(table.game.Judge_Pair().judgement, Judgement::Mismatch);
    EXPECT_TRUE(table.game.press(phrase3));
}

TEST(TwinpickJudgeTest, MatchesByPhraseWhicheverSideIsTurnedFirst)
{
    Table table(2);
    table.turn(table.cardOf(2, true));
    EXPECT_EQ(table.game.phraseToSay(), 2);
    EXPECT_EQ(table.game.Judge_Pair().judgement, Judgement::FirstCard);
    table.turn(table.cardOf(2, false));
    const JudgeStep pair = table.game.Judge_Pair();
    EXPECT_EQ(pair.judgement, Judgement::Pair);
    EXPECT_EQ(pair.sound, "Correct");
    EXPECT_EQ(table.game.card(table.cardOf(2, true)).state, CardState::Gone);
    EXPECT_EQ(table.game.card(table.cardOf(2, false)).state, CardState::Gone);
    EXPECT_EQ(table.game.pairsLeft(), 1);
    EXPECT_FALSE(table.game.press(table.cardOf(2, false))) << "a card that left the table";
}

TEST(TwinpickJudgeTest, AWrongPairTurnsFaceDownAgain)
{
    Table table(2);
    table.turn(table.cardOf(1, false));
    table.game.Judge_Pair();
    table.turn(table.cardOf(2, true));
    const JudgeStep wrong = table.game.Judge_Pair();
    EXPECT_EQ(wrong.judgement, Judgement::Mismatch);
    EXPECT_EQ(wrong.sound, "CardWhipe");
    EXPECT_EQ(table.game.card(table.cardOf(1, false)).state, CardState::FaceDown);
    EXPECT_EQ(table.game.card(table.cardOf(2, true)).state, CardState::FaceDown);
    EXPECT_EQ(table.game.pairsLeft(), 2);
}

TEST(TwinpickJudgeTest, TogglesSilenceEffectsAndPhraseApart)
{
    Table table(1);
    table.game.setEffectsOn(false);
    EXPECT_TRUE(table.turn(0).empty());
    EXPECT_EQ(table.game.phraseToSay(), table.game.card(0).phrase);
    table.game.Judge_Pair();
    table.game.setSayOn(false);
    EXPECT_TRUE(table.turn(1).empty());
    EXPECT_EQ(table.game.phraseToSay(), std::nullopt);
    EXPECT_TRUE(table.game.Judge_Pair().sound.isEmpty());
}

TEST(TwinpickClockTest, RunsFromTheFirstCardToTheLastPair)
{
    Table table(1);
    EXPECT_FALSE(table.game.clockRunning());
    *table.seconds += 30;  // the learner looks at the table first: not counted
    EXPECT_EQ(table.game.clockTick(), "00:00:00");

    table.turn(0);
    EXPECT_TRUE(table.game.clockRunning());
    *table.seconds += 5;
    EXPECT_EQ(table.game.clockTick(), "00:00:05");
    table.game.Judge_Pair();

    *table.seconds += 2;  // between two ticks: the clock stops at the time it shows
    table.turn(1);
    EXPECT_EQ(table.game.Judge_Pair().judgement, Judgement::Cleared);
    EXPECT_TRUE(table.game.cleared());
    EXPECT_FALSE(table.game.clockRunning());
    EXPECT_EQ(table.game.clockText(), "00:00:05");
    *table.seconds += 10;
    EXPECT_EQ(table.game.clockTick(), "00:00:05");
    EXPECT_FALSE(table.game.press(0));
}

TEST(TwinpickClockTest, ANewGameResetsTheClockAndTheTable)
{
    Table table(1);
    table.turn(0);
    *table.seconds += 4;
    table.game.clockTick();
    table.game.New_Game();
    EXPECT_FALSE(table.game.clockRunning());
    EXPECT_EQ(table.game.clockText(), "00:00:00");
    EXPECT_FALSE(table.game.busy());
    EXPECT_EQ(table.game.card(0).state, CardState::FaceDown);
    EXPECT_EQ(table.game.card(1).state, CardState::FaceDown);
}
