#pragma once

// Where the letter scramble's window puts everything, in twips from the
// window's top left corner.
#include <QPoint>
#include <QRect>
#include <QSize>

namespace jumbler::layout {

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

// The window and the controls below the board.
inline constexpr QSize kFormSize{12000, 8950};
inline constexpr QRect kFrame{225, 7455, 11550, 1245};
inline constexpr QRect kPhrasesLeft{1425, 8295, 6975, 330};
inline constexpr QRect kCapSeconds{8650, 7545, 1350, 300};
inline constexpr QRect kTimerBox{8650, 7845, 1350, 705};
inline constexpr QRect kCapPoints{10200, 7545, 1350, 300};
inline constexpr QRect kPointsBox{10200, 7845, 1350, 705};
inline constexpr QRect kPraiseBox{1500, 5400, 9000, 1300};
// Room kept between the board and the frame when a long phrase pushes it down.
inline constexpr int kBoardToFrameGap = 200;

}  // namespace jumbler::layout
