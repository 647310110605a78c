#include "activities/drills/08spotter/rules/SpotterGame.h"

#include <gtest/gtest.h>

#include <set>

using namespace spotter;

namespace {

// A dealt game with the draws given: first one per card for the deal, then one
// per target.
SpotterGame dealt(int phrases, std::vector<double> draws)
{
    SpotterGame game(phrases, RandomSource::scripted(std::move(draws)));
    game.Deal_Choices();
    return game;
}

int otherShownCard(const SpotterGame& game, int target)
{
    for (int card = 0; card < game.cardCount(); ++card) {
        if (card != target && game.cardShown(card))
            return card;
    }
    return -1;
}

}  // namespace

TEST(SpotterPercentTest, RoundsHalvesToTheEvenNeighbour)
{
    struct Case {
        int right, wrong, percent;
    };
    for (const Case c : {Case{0, 0, 0}, Case{1, 0, 100}, Case{0, 1, 0}, Case{1, 1, 50}, Case{5, 3, 62},
                         Case{3, 5, 38}, Case{1, 7, 12}, Case{7, 1, 88}, Case{1, 2, 33}, Case{2, 1, 67},
                         Case{10, 9, 53}}) {
        EXPECT_EQ(percentRight(c.right, c.wrong), c.percent) << c.right << " right, " << c.wrong << " wrong";
    }
}

TEST(SpotterDealTest, EveryPhraseLandsOnExactlyOneCard)
{
    for (int phrases : {1, 2, 7, 10, 12}) {
        SpotterGame game = dealt(phrases, {0.99, 0.5, 0.0, 0.3, 0.7, 0.99, 0.1, 0.6, 0.2, 0.8, 0.4});
        std::set<int> seen;
        for (int card = 0; card < game.cardCount(); ++card) {
            EXPECT_TRUE(game.cardShown(card));
            seen.insert(game.phraseOnCard(card));
        }
        EXPECT_EQ(seen.size(), static_cast<std::size_t>(phrases));
        EXPECT_EQ(*seen.begin(), 1);
        EXPECT_EQ(*seen.rbegin(), phrases);
        EXPECT_EQ(game.remaining(), phrases);
    }
}

TEST(SpotterDealTest, DrawsFromThePhrasesNotDealtYet)
{
    // Three phrases: card 0 takes the last of 1..3, card 1 the first of 1..2, card 2 what is left.
    SpotterGame game = dealt(3, {0.9, 0.0});
    EXPECT_EQ(game.phraseOnCard(0), 3);
    EXPECT_EQ(game.phraseOnCard(1), 1);
    EXPECT_EQ(game.phraseOnCard(2), 2);
}

TEST(SpotterGameTest, NoClickIsTakenBeforeATargetIsDrawn)
{
    SpotterGame game = dealt(2, {});
    EXPECT_EQ(game.click(0), ClickResult::Ignored);
    EXPECT_EQ(game.rightCount() + game.wrongCount(), 0);
}

TEST(SpotterGameTest, OnePhraseIsFoundWithOneRightClick)
{
    SpotterGame game = dealt(1, {});
    ASSERT_EQ(game.Next_Target(), 0);
    EXPECT_EQ(game.targetPhrase(), 1);
    EXPECT_EQ(game.click(0), ClickResult::Right);
    EXPECT_EQ(game.percent(), 100);
    EXPECT_FALSE(game.cardShown(0));
    EXPECT_EQ(game.Next_Target(), std::nullopt);
    EXPECT_TRUE(game.finished());
    EXPECT_EQ(game.click(0), ClickResult::Ignored);
}

TEST(SpotterGameTest, AWrongClickCountsAndLeavesTheCard)
{
    // Deal 1,2 onto cards 0,1; the target is card 1.
    SpotterGame game = dealt(2, {0.0, 0.0, 0.9});
    ASSERT_EQ(game.Next_Target(), 1);
    EXPECT_EQ(game.click(0), ClickResult::Wrong);
    EXPECT_EQ(game.percent(), 0);
    EXPECT_TRUE(game.cardShown(0));
    EXPECT_EQ(game.remaining(), 2);
    // One click per target: a second click before the next draw is not judged.
    EXPECT_EQ(game.click(1), ClickResult::Ignored);
    EXPECT_EQ(game.wrongCount(), 1);
    EXPECT_EQ(game.rightCount(), 0);
}

TEST(SpotterGameTest, TargetsAreDrawnOnlyAmongCardsStillShown)
{
    // Four cards; each target draw of 0.0 takes the first card still shown, and
    // a draw of 0.99 the last, even right after it was missed.
    SpotterGame game = dealt(4, {0, 0, 0, 0, /*targets*/ 0.0, 0.99, 0.99, 0.0, 0.0, 0.0});
    ASSERT_EQ(game.Next_Target(), 0);
    EXPECT_EQ(game.click(0), ClickResult::Right);
    ASSERT_EQ(game.Next_Target(), 3);
    EXPECT_EQ(game.click(2), ClickResult::Wrong);
    EXPECT_EQ(game.Next_Target(), 3);  // the same target again
    EXPECT_EQ(game.click(0), ClickResult::Ignored);  // card 0 has left the table
    EXPECT_EQ(game.click(3), ClickResult::Right);
    EXPECT_EQ(game.Next_Target(), 1);
}

TEST(SpotterGameTest, EndsOnlyWhenEveryCardIsFoundAndCountsEveryClick)
{
    constexpr int kPhrases = 10;
    SpotterGame game = dealt(kPhrases, {0.5, 0.2, 0.9, 0.1, 0.7, 0.3, 0.8, 0.4, 0.6, 0.0});
    int wrong = 0;
    while (const std::optional<int> target = game.Next_Target()) {
        // Nine misses first, each on a shown card other than the target.
        const int other = otherShownCard(game, *target);
        if (wrong < 9 && other >= 0) {
            ASSERT_EQ(game.click(other), ClickResult::Wrong);
            ++wrong;
            continue;
        }
        ASSERT_EQ(game.click(*target), ClickResult::Right);
        EXPECT_FALSE(game.finished());
    }
    EXPECT_TRUE(game.finished());
    EXPECT_EQ(game.remaining(), 0);
    EXPECT_EQ(game.rightCount(), kPhrases);
    EXPECT_EQ(game.wrongCount(), 9);
    EXPECT_EQ(game.percent(), 53);  // 10 of 19
}
