#include "activities/puzzles/14gridhunt/rules/LetterGrid.h"

#include <gtest/gtest.h>

#include <set>

namespace gridhunt {
namespace {

using platform::RandomSource;

QString letters(int count, char first = 'A')
{
    QString text;
    for (int i = 0; i < count; ++i)
        text += QChar(first + i % 26);
    return text;
}

struct FitCase {
    const char* name;
    int length;
    int start;
    Direction direction;
    bool fits;
};

// The bounds of each direction on an empty grid.
TEST(LetterGrid, BoundsOfEachDirection)
{
    const FitCase cases[] = {
        {"up from the last cell, 20 rows", 20, 700, Direction::Up, true},
        {"up, 21 letters", 21, 700, Direction::Up, false},
        {"up from row 1, first column", 2, 36, Direction::Up, false},
        {"up from row 1, last column", 2, 70, Direction::Up, true},
        {"down from cell 1, 19 rows", 19, 1, Direction::Down, true},
        {"down from cell 1, 20 rows", 20, 1, Direction::Down, false},
        {"right from cell 1, 34 letters", 34, 1, Direction::Right, true},
        {"right from cell 1, 35 letters", 35, 1, Direction::Right, false},
        {"right from the first column of row 1", 2, 36, Direction::Right, false},
        {"right from the second column, 33 letters", 33, 37, Direction::Right, true},
        {"right from the second column, 34 letters", 34, 37, Direction::Right, false},
        {"left from the last cell, 34 letters", 34, 700, Direction::Left, true},
        {"left from the last cell, 35 letters", 35, 700, Direction::Left, false},
        {"left from the last column of row 0", 2, 35, Direction::Left, false},
        {"left from column 33, 33 letters", 33, 34, Direction::Left, true},
        {"a one-letter phrase anywhere", 1, 350, Direction::Up, true},
    };
    const LetterGrid grid;
    for (const FitCase& c : cases)
        EXPECT_EQ(grid.fits(letters(c.length), c.start, c.direction), c.fits) << c.name;
    EXPECT_FALSE(grid.fits(QString(), 1, Direction::Right)) << "an empty text never fits";
}

TEST(LetterGrid, PhrasesCrossOnlyOnEqualSymbolsAndKeepACellFreeAfterAHorizontalRun)
{
    LetterGrid grid;
    grid.write(QStringLiteral("CHAT"), 40, Direction::Right);  // C H A T in cells 40..43
    EXPECT_EQ(grid.tag(40), CellTag::PhraseStart);

    EXPECT_TRUE(grid.fits(QStringLiteral("XAX"), 7, Direction::Down)) << "crosses on the A of cell 42";
    EXPECT_FALSE(grid.fits(QStringLiteral("XBX"), 7, Direction::Down)) << "B against A";
    // Ending right before the C leaves no empty cell after the run.
    EXPECT_FALSE(grid.fits(QStringLiteral("NO"), 38, Direction::Right));
    EXPECT_TRUE(grid.fits(QStringLiteral("NO"), 37, Direction::Right));
    EXPECT_FALSE(grid.fits(QStringLiteral("NO"), 45, Direction::Left)) << "the cell after it holds the T";

    grid.write(QStringLiteral("A B"), 100, Direction::Down);
    EXPECT_EQ(grid.tag(135), CellTag::Blank);
    EXPECT_EQ(grid.symbol(135), QLatin1Char(' '));
    EXPECT_TRUE(grid.fits(QStringLiteral("X Y"), 134, Direction::Right)) << "blanks cross blanks";
}

// Ten phrases of 5 to 19 letters, several seeds: every placed phrase reads back
// from its start in its direction, and every other cell holds a fill symbol.
TEST(LetterGrid, PlacedPhrasesReadBackAndEveryCellIsFilled)
{
    for (std::uint64_t seed : {1u, 7u, 42u, 1234u}) {
        LetterGrid grid;
        const RandomSource random(seed);
        std::set<int> phraseCells;
        for (int i = 0; i < 10; ++i) {
            const QString text = letters(5 + i * 14 / 9, static_cast<char>('A' + i));
            const Placement placement = grid.placePhrase(text, random);
            ASSERT_TRUE(placement.placed) << "seed " << seed << " phrase " << i;
            for (int k = 0; k < text.size(); ++k) {
                const int cell = LetterGrid::cellOf(placement.start, placement.direction, k);
                EXPECT_EQ(grid.symbol(cell), text.at(k)) << "seed " << seed << " phrase " << i;
                phraseCells.insert(cell);
            }
        }
        grid.fill(random);
        for (int cell = 1; cell <= kCells; ++cell) {
            ASSERT_FALSE(grid.isEmpty(cell)) << "cell " << cell;
            if (!phraseCells.count(cell)) {
                EXPECT_TRUE(kFillSymbols.contains(grid.symbol(cell))) << "cell " << cell;
            }
        }
    }
}

TEST(LetterGrid, PhrasesThatCannotFitAreGivenUp)
{
    LetterGrid grid;
    const RandomSource random(5);
    EXPECT_FALSE(grid.placePhrase(letters(35), random).placed);
    EXPECT_FALSE(grid.placePhrase(QString(), random).placed);
    // A source that draws only taken start cells gives up instead of hanging.
    grid.write(QStringLiteral("A"), 1, Direction::Up);
    EXPECT_FALSE(grid.placePhrase(QStringLiteral("B"), RandomSource::scripted({})).placed);
}

TEST(LetterGrid, DirectionsAreDrawnThreeUpOneRightTwoDownTwoLeft)
{
    const LetterGrid grid;
    const Direction expected[8] = {Direction::Up,   Direction::Right, Direction::Down, Direction::Left,
                                   Direction::Up,   Direction::Down,  Direction::Left, Direction::Up};
    for (int r = 0; r < 8; ++r) {
        const double draw = (r + 0.5) / 8;
        EXPECT_EQ(grid.chooseDirection(QStringLiteral("A"), 340, RandomSource::scripted({draw})), expected[r])
            << "draw " << draw;
    }
}

}  // namespace
}  // namespace gridhunt
