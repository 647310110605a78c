#pragma once

#include <QPoint>
#include <QRect>

#include <vector>

// Where the letter slots and tiles of one phrase lie, in twips from the
// window's top left corner.
namespace jumbler {

namespace layout {
// Slot 0, from which the slots are laid out in reading order.
inline constexpr QRect kSlot0{510, 255, 705, 645};
// A slot and a blank between words each take this much room across.
inline constexpr int kSlotStep = 700;
// A word starts a new row when (its length - 1) x kWordWidthStep + x passes kRowEnd.
inline constexpr int kWordWidthStep = 650;
inline constexpr int kRowEnd = 10699;
inline constexpr int kRowStep = 700;
// The leftmost place the slot of a word too long for any row may take before it
// goes on in the next row (the last place a word that fits ever reaches).
inline constexpr int kLastSlotLeft = kSlot0.left() + 15 * kSlotStep;

// Tile 0 of the first phrase of a game, and of every later phrase.
inline constexpr QRect kTile0{225, 3825, 600, 600};
inline constexpr QPoint kLaterTile0{540, 2640};
inline constexpr int kTileStep = 650;
inline constexpr int kTileRowEnd = 8500;
inline constexpr int kTileRowStep = 600;
// Room kept between the last row of slots and the first row of tiles.
inline constexpr int kSlotsToTilesGap = 150;

// A tile dropped on a slot lies this far inside the slot's top left corner.
inline constexpr QPoint kTileInSlot{45, 50};

// The translation below the board.
inline constexpr QRect kTranslation{1425, 7680, 6975, 615};
}  // namespace layout

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
