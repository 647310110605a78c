#pragma once

// Where the spelling game's window puts everything, in twips from the window's
// top left corner.
#include <QPoint>
#include <QRect>
#include <QSize>

namespace letterbee::layout {

// Tile 0, from which every phrase's tiles are laid out.
inline constexpr QRect kTile0{360, 360, 615, 630};
inline constexpr int kTileStep = 600;   // from one letter to the next
inline constexpr int kWordGap = 700;    // added after each word
inline constexpr int kWordWidthStep = 650;
// A word starts a new row when x + (its length - 1) x kWordWidthStep passes kRowEnd.
inline constexpr int kRowEnd = 10799;
inline constexpr int kRowStep = 600;

// The on-screen keyboard: key 0 (never shown) and the keys 1.. to its right,
// kKeysPerRow to a row.
inline constexpr QRect kKey0{-510, 4845, 720, 720};
inline constexpr int kKeyStep = 720;
inline constexpr int kKeysPerRow = 16;

// The texts between the tiles and the keyboard, and the window.
inline constexpr QRect kTranslation{360, 2280, 11370, 600};
inline constexpr QRect kPraise{2400, 2280, 7200, 1500};
inline constexpr QRect kPhrasesLeft{360, 3960, 3600, 420};
inline constexpr QRect kElapsedTime{7200, 3960, 1800, 420};
inline constexpr QRect kTimer{9000, 3840, 2730, 600};
inline constexpr QSize kFormSize{12090, 9000};

}  // namespace letterbee::layout
