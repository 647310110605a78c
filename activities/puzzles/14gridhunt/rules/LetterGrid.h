#pragma once

// The word-search grid: 35 x 20 cells numbered 1..700 row by row, the rules
// that hide a phrase in it (up, right, down or left; never diagonally) and the
// fill of the cells no phrase took. Plain data: the window draws it.
#include "platform/random/RandomSource.h"

#include <QChar>
#include <QString>

#include <array>

namespace gridhunt {

inline constexpr int kColumns = 35;
inline constexpr int kRows = 20;
inline constexpr int kCells = kColumns * kRows;
// Counted failures before a phrase is given up.
inline constexpr int kMaxAttempts = 30000;
// Draws of a start cell that another phrase already starts at are not counted
// as attempts; this many in a row give the phrase up all the same, so a
// source that keeps drawing the same cell cannot hang the start.
inline constexpr int kMaxTakenStartDraws = 30000;
// The fill symbols, drawn with equal chances.
inline const QString kFillSymbols = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZ\u00D1?\u00BF ");

enum class Direction { None, Up, Right, Down, Left };

// What a cell holds besides its symbol.
enum class CellTag {
    Free,
    PhraseStart,  // a placed phrase starts here: no other phrase starts here
    Blank,        // holds a blank of a placed phrase
};

struct Placement {
    bool placed = false;
    int start = 0;  // 1..700
    Direction direction = Direction::None;
};

class LetterGrid {
public:
    // 0-based row and column of cell 1..700.
    static constexpr int row(int cell) { return (cell - 1) / kColumns; }
    static constexpr int column(int cell) { return (cell - 1) % kColumns; }

    // The symbol of cell 1..700; a null QChar while the cell is empty.
    QChar symbol(int cell) const { return cells_.at(cell).symbol; }
    bool isEmpty(int cell) const { return symbol(cell).isNull(); }
    CellTag tag(int cell) const { return cells_.at(cell).tag; }

    // Hides text (upper-cased by the caller) at a random free start cell in a
    // random direction, trying until it fits or kMaxAttempts attempts failed.
    // An empty text is never placed.
    Placement placePhrase(const QString& text, const platform::RandomSource& random);

    // Draws a direction (up 3 in 8, right 1 in 8, down 2 in 8, left 2 in 8) and
    // returns it when text fits from start that way, else Direction::None.
    Direction chooseDirection(const QString& text, int start, const platform::RandomSource& random) const;

    // Whether text fits from start in direction: its cells lie in the grid and
    // are empty or hold the same symbol; a horizontal run stays on one row and
    // is followed by one empty cell in its reading direction.
    bool fits(const QString& text, int start, Direction direction) const;

    // Writes text from start in direction (which must fit).
    void write(const QString& text, int start, Direction direction);

    // Gives every empty free cell a fill symbol.
    void fill(const platform::RandomSource& random);

    // The cell that letter k (0-based) of a phrase from start in direction takes.
    static int cellOf(int start, Direction direction, int k);

private:
    struct Cell {
        QChar symbol;
        CellTag tag = CellTag::Free;
    };
    // Element 0 is unused, so cells are indexed 1..700 as everywhere else.
    std::array<Cell, kCells + 1> cells_{};
};

}  // namespace gridhunt
