#include "activities/puzzles/05jumbler/rules/ScrambleGame.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

using namespace jumbler;

namespace {

RandomSource scripted(std::vector<double> values) { return RandomSource::scripted(std::move(values)); }

// A source that always gives 0: the first phrase and the first free tile.
RandomSource zeros() { return RandomSource::scripted({}); }

std::vector<ScramblePhrase> phrases(std::initializer_list<const char*> texts)
{
    std::vector<ScramblePhrase> list;
    for (const char* t : texts)
        list.push_back({QString::fromUtf8(t), QString::fromUtf8(t).toUpper()});
    return list;
}

// The tile that carries letter and lies on no slot yet.
int freeTileWith(const ScrambleGame& game, const QString& letter)
{
    const auto& tiles = game.tiles();
    for (int i = 0; i < static_cast<int>(tiles.size()); ++i)
        if (tiles[i].letter == letter && !tiles[i].slot)
            return i;
    return -1;
}

// Drops a tile on every slot (the right letters, or the first two swapped) and
// ends each drop's wait; returns the judgement of the last drop.
Judgement fillSlots(ScrambleGame& game, bool right)
{
    const int count = static_cast<int>(game.letterSlots().size());
    std::vector<int> order(count);
    for (int i = 0; i < count; ++i)
        order[i] = i;
    if (!right)
        std::swap(order[0], order[1]);
    Judgement last = Judgement::None;
    for (int slot = 0; slot < count; ++slot) {
        const int tile = freeTileWith(game, game.letterSlots()[order[slot]].rightLetter);
        const auto ticket = game.dropOnSlot(tile, slot);
        EXPECT_TRUE(ticket);
        last = game.finishDrop(*ticket);
    }
    return last;
}

void runFlash(ScrambleGame& game)
{
    for (int i = 0; i < kFlashColours; ++i)
        ASSERT_EQ(game.flashTick(), i);
    ASSERT_EQ(game.flashTick(), std::nullopt);
}

}  // namespace

TEST(ScrambleDeal, PhrasesAreDealtOnceEachInTheDrawnOrder)
{
    // The draw picks among the phrases not dealt yet: 0.99 the last, 0 the first.
    ScrambleGame game(phrases({"un", "deux", "trois"}), scripted({0.99, 0.5, 0.5, 0.5, 0.5, 0.0}));
    game.newGame();
    std::vector<int> order{game.phraseIndex()};
    std::vector<int> shown{game.phrasesLeftShown()};
    while (true) {
        while (game.stage() == Stage::Playing)
            game.tick();
        if (game.addTimeBonus() == AfterBonus::GameOver)
            break;
        order.push_back(game.phraseIndex());
        shown.push_back(game.phrasesLeftShown());
    }
    EXPECT_EQ(order.front(), 2);
    std::vector<int> sorted = order;
    std::sort(sorted.begin(), sorted.end());
    EXPECT_EQ(sorted, (std::vector<int>{0, 1, 2}));
    EXPECT_EQ(shown, (std::vector<int>{3, 2, 1}));
    EXPECT_EQ(game.stage(), Stage::Finished);
}

TEST(ScrambleDeal, TilesCarryAPermutationOfTheLetters)
{
    // Always the first free tile: the letters lie in order; always the last: reversed.
    for (const auto& [value, expected] : std::vector<std::pair<double, QString>>{{0.0, "abcd"}, {0.999, "dcba"}}) {
        // One draw for the phrase, then one for each letter.
        ScrambleGame game(phrases({"ab cd"}), scripted(std::vector<double>(5, value)));
        game.newGame();
        QString dealt;
        for (const LetterTile& t : game.tiles())
            dealt += t.letter;
        EXPECT_EQ(dealt, expected);
        EXPECT_EQ(game.letterSlots().size(), 4u);
        EXPECT_EQ(game.secondsLeft(), 28);
    }
    // With a real source every arrangement turns up, and always the same letters.
    std::set<QString> seen;
    for (int run = 0; run < 400; ++run) {
        ScrambleGame game(phrases({"abc"}), RandomSource());
        game.newGame();
        QString dealt;
        for (const LetterTile& t : game.tiles())
            dealt += t.letter;
        QString sorted = dealt;
        std::sort(sorted.begin(), sorted.end());
        ASSERT_EQ(sorted, "abc");
        seen.insert(dealt);
    }
    EXPECT_EQ(seen.size(), 6u);
}

TEST(ScrambleDeal, FirstPhraseFromTheDesignPlaceLaterOnesHigher)
{
    ScrambleGame game(phrases({"a", "b"}), zeros());
    game.newGame();
    EXPECT_EQ(game.tiles()[0].rect, layout::kTile0);
    EXPECT_EQ(game.letterSlots()[0].rect, layout::kSlot0);
    EXPECT_EQ(game.secondsLeft(), 7);
    fillSlots(game, true);
    runFlash(game);
    ASSERT_EQ(game.addTimeBonus(), AfterBonus::NextPhrase);
    EXPECT_EQ(game.tiles()[0].rect.topLeft(), layout::kLaterTile0);
}

TEST(ScrambleJudge, RightAnswerStopsTheClockAndEarnsTheSecondsLeft)
{
    ScrambleGame game(phrases({"ab cd", "e"}), zeros());
    game.newGame();
    for (int i = 0; i < 5; ++i)
        EXPECT_FALSE(game.tick());
    EXPECT_EQ(game.secondsLeft(), 23);
    ASSERT_EQ(fillSlots(game, true), Judgement::Right);
    EXPECT_EQ(game.stage(), Stage::Praising);
    EXPECT_FALSE(game.countdownRunning());
    for (const LetterTile& t : game.tiles())
        EXPECT_EQ(t.letterColour, colour::kGreen);
    // Ticks after the answer change nothing.
    EXPECT_FALSE(game.tick());
    EXPECT_EQ(game.secondsLeft(), 23);
    // The bonus waits for the end of the flash, and is added once.
    EXPECT_EQ(game.addTimeBonus(), AfterBonus::Ignored);
    runFlash(game);
    for (const LetterTile& t : game.tiles())
        EXPECT_EQ(t.background, colour::kBlack);
    EXPECT_EQ(game.addTimeBonus(), AfterBonus::NextPhrase);
    EXPECT_EQ(game.points(), 23);
    EXPECT_EQ(game.addTimeBonus(), AfterBonus::Ignored);
    EXPECT_EQ(game.points(), 23);
}

TEST(ScrambleJudge, WrongAnswerColoursLettersAndPlayGoesOn)
{
    ScrambleGame game(phrases({"ab"}), zeros());
    game.newGame();
    ASSERT_EQ(fillSlots(game, false), Judgement::Wrong);
    EXPECT_EQ(game.stage(), Stage::Playing);
    EXPECT_TRUE(game.countdownRunning());
    for (const LetterTile& t : game.tiles())
        EXPECT_EQ(t.letterColour, colour::kRed);

    // Moving a tile to another slot keeps the colours; the background clears them.
    const auto ticket = game.dropOnSlot(0, 0);
    ASSERT_TRUE(ticket);
    game.finishDrop(*ticket);
    EXPECT_EQ(game.tiles()[1].letterColour, colour::kRed);
    ASSERT_TRUE(game.dropOnBackground(1, {3000, 6000}));
    for (const LetterTile& t : game.tiles())
        EXPECT_EQ(t.letterColour, colour::kBlack);
    EXPECT_EQ(game.tiles()[1].rect.topLeft(), QPoint(2700, 5700));
    EXPECT_TRUE(game.tiles()[1].bordered);
    EXPECT_FALSE(game.tiles()[1].slot);
}

TEST(ScrambleJudge, LettersCompareExactly)
{
    // Two equal letters may go either way; case and accents count.
    ScrambleGame game(phrases({"Eée"}), zeros());
    game.newGame();
    ASSERT_EQ(fillSlots(game, true), Judgement::Right);

    ScrambleGame swapped(phrases({"Ee"}), zeros());
    swapped.newGame();
    ASSERT_EQ(fillSlots(swapped, false), Judgement::Wrong);
}

TEST(ScrambleDrag, SlotColoursFollowTheDrag)
{
    ScrambleGame game(phrases({"abc"}), zeros());
    game.newGame();
    game.dragOver(0);
    EXPECT_EQ(game.letterSlots()[0].colour, colour::kBlue);
    game.dragOver(1);
    EXPECT_EQ(game.letterSlots()[0].colour, colour::kBlack);
    EXPECT_EQ(game.letterSlots()[1].colour, colour::kBlue);
    // A background drop leaves the last slot dragged over blue.
    ASSERT_TRUE(game.dropOnBackground(0, {5000, 6000}));
    EXPECT_EQ(game.letterSlots()[1].colour, colour::kBlue);

    const auto ticket = game.dropOnSlot(0, 1);
    ASSERT_TRUE(ticket);
    game.finishDrop(*ticket);
    EXPECT_EQ(game.letterSlots()[1].colour, colour::kWhite);
    EXPECT_EQ(game.letterSlots()[1].letter, "a");
    EXPECT_EQ(game.tiles()[0].rect.topLeft(), game.letterSlots()[1].rect.topLeft() + layout::kTileInSlot);
    EXPECT_FALSE(game.tiles()[0].bordered);
    // A filled slot stays white under a drag.
    game.dragOver(1);
    EXPECT_EQ(game.letterSlots()[1].colour, colour::kWhite);

    // From one slot to another: the first is emptied.
    const auto moved = game.dropOnSlot(0, 2);
    game.finishDrop(*moved);
    EXPECT_EQ(game.letterSlots()[1].letter, "");
    EXPECT_EQ(game.letterSlots()[1].colour, colour::kBlack);
    EXPECT_EQ(game.letterSlots()[2].letter, "a");
    EXPECT_EQ(game.slotAt(game.letterSlots()[2].rect.center()), 2);
    EXPECT_EQ(game.slotAt({100, 100}), -1);
}

TEST(ScrambleDrag, ADropOnAFilledSlotSendsTheEarlierTileBack)
{
    ScrambleGame game(phrases({"ab"}), zeros());
    game.newGame();
    game.finishDrop(*game.dropOnSlot(0, 0));
    game.finishDrop(*game.dropOnSlot(1, 0));
    EXPECT_EQ(game.letterSlots()[0].letter, "b");
    EXPECT_FALSE(game.tiles()[0].slot);
    EXPECT_EQ(game.tiles()[0].rect, game.tiles()[0].home);
    EXPECT_TRUE(game.tiles()[0].bordered);
    // Nothing is judged: slot 1 is still free.
    EXPECT_EQ(game.stage(), Stage::Playing);
}

TEST(ScrambleWaits, DropsDuringAWaitLandAndOnlyTheLatestJudgesOnce)
{
    // Three drops, each made while the one before waits. However their waits
    // end, the board is judged once, by the drop that filled it.
    struct Case {
        const char* name;
        std::vector<int> finishOrder;  // of the drops 0, 1, 2
        std::vector<Judgement> judged;  // as their waits end
    };
    const Case cases[] = {
        {"nested waits: the latest ends first", {2, 1, 0}, {Judgement::Right, Judgement::None, Judgement::None}},
        {"the earliest ends first", {0, 1, 2}, {Judgement::None, Judgement::None, Judgement::Right}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ScrambleGame game(phrases({"abc"}), zeros());
        game.newGame();
        std::vector<DropTicket> tickets;
        for (int tile = 0; tile < 3; ++tile) {
            ASSERT_TRUE(game.canDrag(tile));
            const auto ticket = game.dropOnSlot(tile, tile);
            ASSERT_TRUE(ticket);
            EXPECT_EQ(game.letterSlots()[tile].letter, game.tiles()[tile].letter);
            tickets.push_back(*ticket);
        }
        EXPECT_EQ(game.stage(), Stage::Judging);
        // The clock stops with the last letter, before the answer is judged.
        EXPECT_FALSE(game.countdownRunning());
        std::vector<Judgement> judged;
        for (int drop : c.finishOrder)
            judged.push_back(game.finishDrop(tickets[drop]));
        EXPECT_EQ(judged, c.judged);
        // A right answer holds the tiles; the latest wait ending again judges nothing.
        EXPECT_EQ(game.stage(), Stage::Praising);
        EXPECT_EQ(game.finishDrop(tickets[2]), Judgement::None);
        EXPECT_FALSE(game.canDrag(0));
        EXPECT_FALSE(game.dropOnBackground(0, {100, 100}));
        EXPECT_FALSE(game.dropOnSlot(0, 1));
    }
}

TEST(ScrambleWaits, TheBoardIsJudgedAsItStandsWhenTheLatestWaitEnds)
{
    ScrambleGame game(phrases({"ab"}), zeros());
    game.newGame();
    const DropTicket first = *game.dropOnSlot(0, 0);
    const DropTicket right = *game.dropOnSlot(1, 1);
    ASSERT_EQ(game.stage(), Stage::Judging);
    ASSERT_FALSE(game.countdownRunning());

    // Before the right board is judged the letters are swapped: the board is
    // full again, wrong, and the countdown runs on.
    const DropTicket swapOut = *game.dropOnSlot(0, 1);  // tile 1 goes back to its place
    EXPECT_EQ(game.stage(), Stage::Playing);
    EXPECT_TRUE(game.countdownRunning());
    const DropTicket swapped = *game.dropOnSlot(1, 0);
    EXPECT_EQ(game.stage(), Stage::Judging);
    EXPECT_TRUE(game.countdownRunning());
    // The waits of the earlier drops judge nothing, even ending first.
    for (const DropTicket& stale : {first, right, swapOut})
        EXPECT_EQ(game.finishDrop(stale), Judgement::None);
    EXPECT_EQ(game.stage(), Stage::Judging);
    EXPECT_EQ(game.finishDrop(swapped), Judgement::Wrong);
    EXPECT_EQ(game.stage(), Stage::Playing);
    for (const LetterTile& t : game.tiles())
        EXPECT_EQ(t.letterColour, colour::kRed);

    // Put right, then a tile taken off to the background while that waits: the
    // board is not full when the wait ends, and nothing is judged.
    game.dropOnSlot(0, 0);
    const DropTicket refilled = *game.dropOnSlot(1, 1);
    ASSERT_FALSE(game.countdownRunning());
    ASSERT_TRUE(game.dropOnBackground(1, {5000, 6000}));
    EXPECT_EQ(game.stage(), Stage::Playing);
    EXPECT_TRUE(game.countdownRunning());
    EXPECT_EQ(game.finishDrop(refilled), Judgement::None);
    EXPECT_EQ(game.tiles()[0].letterColour, colour::kBlack);
    EXPECT_EQ(game.finishDrop(*game.dropOnSlot(1, 1)), Judgement::Right);
}

TEST(ScrambleFaults, TimeRunningOutDuringAWaitEndsTheRoundForTheWaitingDrop)
{
    ScrambleGame game(phrases({"abc", "de"}), zeros());
    game.newGame();
    for (int i = 0; i < 20; ++i)
        game.tick();
    const std::uint64_t round = game.round();
    const auto ticket = game.dropOnSlot(0, 0);
    ASSERT_TRUE(ticket);
    // The last second goes while the drop waits.
    EXPECT_TRUE(game.tick());
    EXPECT_EQ(game.stage(), Stage::TimedOut);
    EXPECT_FALSE(game.countdownRunning());
    EXPECT_FALSE(game.tick());
    ASSERT_EQ(game.addTimeBonus(), AfterBonus::NextPhrase);
    EXPECT_EQ(game.points(), 0);
    EXPECT_NE(game.round(), round);
    EXPECT_EQ(game.secondsLeft(), 14);
    // The new phrase is complete and waits to be judged when the earlier drop's
    // wait ends: that drop judges nothing and leaves the new board to its own wait.
    game.finishDrop(*game.dropOnSlot(0, 0));
    const auto last = game.dropOnSlot(1, 1);
    ASSERT_TRUE(last);
    EXPECT_EQ(game.finishDrop(*ticket), Judgement::None);
    EXPECT_EQ(game.stage(), Stage::Judging);
    EXPECT_EQ(game.finishDrop(*last), Judgement::Right);
}

TEST(ScrambleFaults, OnlyARightAnswerStopsTheCountdownDuringTheWaitBeforeItIsJudged)
{
    struct Case {
        const char* name;
        bool right;
        bool runningWhileWaiting;
        int secondsAfterJudging;  // of 14, two ticks during the wait
    };
    const Case cases[] = {
        {"right", true, false, 14},
        {"wrong", false, true, 12},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ScrambleGame game(phrases({"ab"}), zeros());
        game.newGame();
        game.finishDrop(*game.dropOnSlot(c.right ? 0 : 1, 0));
        const auto last = game.dropOnSlot(c.right ? 1 : 0, 1);
        ASSERT_TRUE(last);
        EXPECT_EQ(game.stage(), Stage::Judging);
        EXPECT_EQ(game.countdownRunning(), c.runningWhileWaiting);
        game.tick();
        game.tick();
        EXPECT_EQ(game.finishDrop(*last), c.right ? Judgement::Right : Judgement::Wrong);
        EXPECT_EQ(game.secondsLeft(), c.secondsAfterJudging);
        EXPECT_EQ(game.countdownRunning(), !c.right);
    }
}

TEST(ScrambleFaults, TimeRunningOutWhileAWrongAnswerWaitsEndsThePhraseUnjudged)
{
    ScrambleGame game(phrases({"ab", "cd"}), zeros());
    game.newGame();
    for (int i = 0; i < 13; ++i) game.tick();
    game.finishDrop(*game.dropOnSlot(1, 0));
    const auto last = game.dropOnSlot(0, 1);
    ASSERT_TRUE(last);
    EXPECT_TRUE(game.tick()) << "the last second goes during the wait";
    EXPECT_EQ(game.stage(), Stage::TimedOut);
    EXPECT_EQ(game.finishDrop(*last), Judgement::None);
    EXPECT_EQ(game.addTimeBonus(), AfterBonus::NextPhrase);
    EXPECT_EQ(game.points(), 0);
}

TEST(ScrambleFaults, APhraseWithoutLettersTimesOutAtOnce)
{
    ScrambleGame game(phrases({"   ", "a"}), zeros());
    game.newGame();
    EXPECT_EQ(game.stage(), Stage::TimedOut);
    EXPECT_EQ(game.secondsLeft(), 0);
    EXPECT_FALSE(game.countdownRunning());
    EXPECT_TRUE(game.letterSlots().empty());
    EXPECT_FALSE(game.canDrag(0));
    ASSERT_EQ(game.addTimeBonus(), AfterBonus::NextPhrase);
    EXPECT_EQ(game.points(), 0);
    EXPECT_EQ(game.currentPhrase().text, "a");
}

TEST(ScrambleFaults, NoLimitOnWordsOrLetters)
{
    QString longPhrase;
    for (int w = 0; w < 80; ++w)
        longPhrase += QString("mot%1 ").arg(w);
    ScrambleGame game({{longPhrase, "many words"}}, RandomSource());
    game.newGame();
    const int letters = static_cast<int>(longPhrase.size()) - 80;
    ASSERT_EQ(static_cast<int>(game.letterSlots().size()), letters);
    EXPECT_EQ(game.secondsLeft(), letters * kSecondsPerLetter);
    EXPECT_GT(game.boardBottom(), layout::kTranslation.top());
    ASSERT_EQ(fillSlots(game, true), Judgement::Right);
    runFlash(game);
    EXPECT_EQ(game.addTimeBonus(), AfterBonus::GameOver);
    EXPECT_EQ(game.points(), letters * kSecondsPerLetter);
}
