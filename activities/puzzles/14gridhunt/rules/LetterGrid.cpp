#include "activities/puzzles/14gridhunt/rules/LetterGrid.h"

namespace gridhunt {

namespace {

// Whether cells a and b stand on one row. The cell left of cell 1 counts as
// being on the first row, so a rightward run may start at cell 1.
bool sameRow(int a, int b)
{
    if (a == 0 || b == 0)
        return a + b == 1;
    return LetterGrid::row(a) == LetterGrid::row(b);
}

}  // namespace

int LetterGrid::cellOf(int start, Direction direction, int k)
{
    switch (direction) {
    case Direction::Up: return start - k * kColumns;
    case Direction::Right: return start + k;
    case Direction::Down: return start + k * kColumns;
    case Direction::Left: return start - k;
    case Direction::None: break;
    }
    return start;
}

bool LetterGrid::fits(const QString& text, int start, Direction direction) const
{
    const int length = static_cast<int>(text.size());
    if (length == 0 || start < 1 || start > kCells)
        return false;
    switch (direction) {
    case Direction::Up:
        if (start / kColumns < length)
            return false;
        break;
    case Direction::Down:
        if (start + length * kColumns > kCells)
            return false;
        break;
    case Direction::Right:
        // The run and the empty cell after it stay on the row of the cell before the start.
        if (start + length > kCells || !sameRow(start - 1, start) || !sameRow(start, start + length))
            return false;
        break;
    case Direction::Left:
        // The run and the empty cell after it stay on the row of the cell after the start.
        if (start - length < 1 || (start != kCells && !sameRow(start + 1, start))
            || !sameRow(start, start - length))
            return false;
        break;
    case Direction::None:
        return false;
    }
    for (int k = 0; k < length; ++k) {
        const QChar held = symbol(cellOf(start, direction, k));
        if (!held.isNull() && held != text.at(k))
            return false;
    }
    if (direction == Direction::Right || direction == Direction::Left)
        return isEmpty(cellOf(start, direction, length));
    return true;
}

Direction LetterGrid::chooseDirection(const QString& text, int start, const platform::RandomSource& random) const
{
    static constexpr Direction kDraws[8] = {Direction::Up,   Direction::Right, Direction::Down, Direction::Left,
                                            Direction::Up,   Direction::Down,  Direction::Left, Direction::Up};
    const Direction direction = kDraws[random.below(8)];
    return fits(text, start, direction) ? direction : Direction::None;
}

void LetterGrid::write(const QString& text, int start, Direction direction)
{
    cells_.at(start).tag = CellTag::PhraseStart;
    for (int k = 0; k < text.size(); ++k) {
        Cell& cell = cells_.at(cellOf(start, direction, k));
        cell.symbol = text.at(k);
        if (cell.symbol == QLatin1Char(' ') && cell.tag == CellTag::Free)
            cell.tag = CellTag::Blank;
    }
}

Placement LetterGrid::placePhrase(const QString& text, const platform::RandomSource& random)
{
    if (text.isEmpty())
        return {};
    int attempts = 0;
    int takenDraws = 0;
    while (attempts < kMaxAttempts) {
        const int start = random.below(kCells) + 1;
        if (tag(start) == CellTag::PhraseStart) {
            if (++takenDraws >= kMaxTakenStartDraws)
                break;
            continue;
        }
        const Direction direction = chooseDirection(text, start, random);
        if (direction != Direction::None) {
            write(text, start, direction);
            return {true, start, direction};
        }
        ++attempts;
    }
    return {};
}

void LetterGrid::fill(const platform::RandomSource& random)
{
    for (int cell = 1; cell <= kCells; ++cell) {
        Cell& c = cells_.at(cell);
        if (c.tag == CellTag::Free && c.symbol.isNull())
            c.symbol = kFillSymbols.at(random.below(static_cast<int>(kFillSymbols.size())));
    }
}

}  // namespace gridhunt
