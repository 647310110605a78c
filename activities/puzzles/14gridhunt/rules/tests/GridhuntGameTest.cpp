#include "activities/puzzles/14gridhunt/rules/GridhuntGame.h"

#include <gtest/gtest.h>

#include <vector>

namespace gridhunt {
namespace {

using platform::RandomSource;

std::vector<int> cellsOf(const GridhuntGame& game, int phrase)
{
    const Placement& placement = game.placement(phrase);
    std::vector<int> cells;
    for (int k = 0; k < game.phrase(phrase).text.size(); ++k)
        cells.push_back(LetterGrid::cellOf(placement.start, placement.direction, k));
    return cells;
}

// Clicks the first cell, passes over the others and clicks the last.
ClickOutcome trace(GridhuntGame& game, const std::vector<int>& cells)
{
    game.enter(cells.front());
    game.click(cells.front());
    for (std::size_t i = 1; i < cells.size(); ++i)
        game.enter(cells[i]);
    return game.click(cells.back());
}

GridhuntGame makeGame(std::vector<QString> texts, std::uint64_t seed = 3)
{
    std::vector<GridhuntPhrase> phrases;
    for (const QString& text : texts)
        phrases.push_back({text, QStringLiteral("T-") + text});
    return GridhuntGame(std::move(phrases), RandomSource(seed));
}

TEST(GridhuntGame, TracingForwardsOrBackwardsFindsAPhraseOnce)
{
    GridhuntGame game = makeGame({QStringLiteral("LE CHAT NOIR"), QStringLiteral("BONJOUR")});
    ASSERT_EQ(game.phrasesLeft(), 2);
    std::vector<int> cells = cellsOf(game, 1);
    std::reverse(cells.begin(), cells.end());

    const ClickOutcome backwards = trace(game, cells);
    EXPECT_EQ(backwards.kind, ClickOutcome::Found);
    EXPECT_EQ(backwards.phrase, 1);
    EXPECT_TRUE(game.isFound(1));
    EXPECT_EQ(game.phrasesLeft(), 1);
    for (int cell : cells)
        EXPECT_EQ(game.colour(cell), CellColour::Blue);

    // The same cells again find nothing and stay blue.
    EXPECT_EQ(trace(game, cells).kind, ClickOutcome::Missed);
    EXPECT_EQ(game.colour(cells.front()), CellColour::Blue);
    EXPECT_FALSE(game.finished());

    const ClickOutcome forwards = trace(game, cellsOf(game, 2));
    EXPECT_EQ(forwards.phrase, 2);
    EXPECT_TRUE(game.finished());
    EXPECT_EQ(game.click(1).kind, ClickOutcome::Ignored) << "nothing is traced after the end";
}

TEST(GridhuntGame, AWrongTraceTurnsItsCellsWhiteAgain)
{
    GridhuntGame game = makeGame({QStringLiteral("MAISON")});
    std::vector<int> cells = cellsOf(game, 1);
    cells.pop_back();
    game.enter(cells.front());
    EXPECT_EQ(game.click(cells.front()).kind, ClickOutcome::Started);
    for (std::size_t i = 1; i < cells.size(); ++i)
        game.enter(cells[i]);
    EXPECT_EQ(game.colour(cells.back()), CellColour::Yellow);
    EXPECT_EQ(game.traced(), QStringLiteral("MAISO"));
    EXPECT_EQ(game.click(cells.back()).kind, ClickOutcome::Missed);
    EXPECT_FALSE(game.selecting());
    for (int cell : cells)
        EXPECT_EQ(game.colour(cell), CellColour::White);
}

TEST(GridhuntGame, EnteringACellAgainAppendsItAgainButStayingOnItDoesNot)
{
    GridhuntGame game = makeGame({QStringLiteral("A")});
    const int cell = cellsOf(game, 1).front();
    game.enter(cell);
    game.click(cell);
    game.enter(cell);  // still the same cell: nothing appended
    EXPECT_EQ(game.traced(), QStringLiteral("A"));
    const ClickOutcome outcome = game.click(cell);
    EXPECT_EQ(outcome.kind, ClickOutcome::Found) << "a one-letter phrase: its cell clicked twice";

    GridhuntGame other = makeGame({QStringLiteral("AB")});
    const std::vector<int> cells = cellsOf(other, 1);
    other.click(cells[0]);
    other.enter(cells[1]);
    other.enter(cells[0]);
    other.enter(cells[1]);
    EXPECT_EQ(other.traced(), QStringLiteral("ABAB"));
}

TEST(GridhuntGame, TwoEqualPhrasesAreStruckInListOrder)
{
    GridhuntGame game = makeGame({QStringLiteral("OUI"), QStringLiteral("NON"), QStringLiteral("OUI")});
    EXPECT_EQ(trace(game, cellsOf(game, 3)).phrase, 1);
    EXPECT_EQ(trace(game, cellsOf(game, 3)).phrase, 3);
}

// Phrases that were not placed are left out of the game: they cannot be
// found, and the game ends when the placed ones are.
TEST(GridhuntGame, PhrasesNotPlacedTakeNoPart)
{
    const QString tooLong = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZABCDEFGHIJKLMN");  // 40 letters
    GridhuntGame game = makeGame({tooLong, QString(), QStringLiteral("PAIN")});
    EXPECT_FALSE(game.placement(1).placed);
    EXPECT_FALSE(game.placement(2).placed) << "an empty phrase counts as not placed";
    EXPECT_EQ(game.phrasesLeft(), 1);
    EXPECT_EQ(game.findSelection(tooLong), 0);
    EXPECT_EQ(game.listText(1, QStringLiteral("too long")), QStringLiteral("1. ABCDEFGHIJKLMNO... <too long>"));
    EXPECT_EQ(game.listText(3, QStringLiteral("too long")), QStringLiteral("3. PAIN"));
    EXPECT_EQ(game.translationText(3), QStringLiteral("3. T-PAIN"));

    trace(game, cellsOf(game, 3));
    EXPECT_TRUE(game.finished());
}

TEST(GridhuntGame, ALoneUnplaceablePhraseLeavesNothingToPlay)
{
    GridhuntGame game = makeGame({QString(40, QLatin1Char('E'))});
    EXPECT_FALSE(game.playable());
    EXPECT_FALSE(game.finished()) << "no score without a game";
    EXPECT_EQ(game.click(1).kind, ClickOutcome::Ignored);
}

}  // namespace
}  // namespace gridhunt
