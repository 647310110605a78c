#pragma once

// Where the word search's controls stand, in twips. Cell 1 is at the top left
// of the grid; cells of a row are one cell width apart and each row stands a
// cell width and 15 twips below the one above, so rows have gaps between them
// and columns none. The phrase list has two columns of five under the grid.
#include "activities/puzzles/14gridhunt/rules/LetterGrid.h"

namespace gridhunt::layout {

struct Box {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    bool operator==(const Box&) const = default;
};

inline constexpr Box kFirstCell{195, 120, 330, 270};
inline constexpr int kRowPitch = kFirstCell.width + 15;
inline constexpr Box kListHead{225, 6975, 4575, 255};  // the list's template, above entry 1
inline constexpr int kListGap = 10;
inline constexpr int kSecondColumnLeft = 5000;
inline constexpr int kListRows = 5;
inline constexpr int kFormWidth = 12000;
inline constexpr int kFormHeight = 8900;

constexpr Box cellBox(int cell)
{
    return {kFirstCell.left + LetterGrid::column(cell) * kFirstCell.width,
            kFirstCell.top + LetterGrid::row(cell) * kRowPitch, kFirstCell.width, kFirstCell.height};
}

// List entry 1..10: entries 1..5 under the template, 6..10 beside them.
constexpr Box listBox(int entry)
{
    const int row = (entry - 1) % kListRows + 1;
    const int left = entry <= kListRows ? kListHead.left : kSecondColumnLeft;
    return {left, kListHead.top + row * (kListHead.height + kListGap), kListHead.width, kListHead.height};
}

}  // namespace gridhunt::layout
