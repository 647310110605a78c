#pragma once

#include "activities/puzzles/05jumbler/rules/JumblerLayout.h"

#include <QPoint>
#include <QRect>

#include <vector>

namespace jumbler {

// Where the letter slots and tiles of one phrase lie, in twips from the
// window's top left corner.
struct BoardLayout {
    std::vector<QRect> slotRects;  // reading order, one per letter
    std::vector<QRect> tileRects;  // dealt places, one per letter
    // The lowest edge of any slot or tile (0 when there are none).
    int bottom() const;
};

// Lays out the slots of words with the given letter counts, and as many tiles
// from tileOrigin. The tiles move down below the slots when the slots reach
// into their rows, so the two never overlap.
BoardLayout layoutBoard(const std::vector<int>& wordLengths, QPoint tileOrigin);

}  // namespace jumbler
