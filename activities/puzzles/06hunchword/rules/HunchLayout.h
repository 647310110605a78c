#pragma once

// Places and sizes of the letter-guessing duel, in twips: the keyboard grown
// from its template key, the tiles of a phrase laid out word by word, and the
// ring of lamps around the board.
#include <QPoint>
#include <QRect>
#include <QString>

#include <cstdint>
#include <vector>

namespace hunchword::layout {

inline constexpr int kFormWidth = 11430;
inline constexpr int kFormHeight = 8800;

// Keyboard: the template key moves 500 twips left; rows of 13 keys.
inline constexpr QRect kTemplateKey{1275, 5865, 525, 525};
inline constexpr int kTemplateShift = 500;
inline constexpr int kKeyStep = 510;
inline constexpr int kKeyRowStep = 520;
inline constexpr int kKeysPerRow = 13;

// Tiles: tile 0's place starts every phrase; a word that would reach
// kLineEnd starts a new line.
inline constexpr QRect kFirstTile{1530, 885, 450, 525};
inline constexpr int kTileStep = 500;
inline constexpr int kWordGap = 700;
inline constexpr int kLineStep = 600;
inline constexpr int kLineTest = 600;  // per letter, when testing whether a word fits
inline constexpr int kLineEnd = 9500;
inline constexpr int kShadeMargin = 60;
inline constexpr QSize kShadeSize{600, 675};

inline constexpr QRect kBoard{1320, 675, 9450, 3510};
inline constexpr QRect kComputerName{5100, 4700, 2505, 285};
inline constexpr QRect kLearnerName{1275, 4700, 2445, 345};
inline constexpr QRect kComputerScore{5115, 5000, 2505, 405};
inline constexpr QRect kLearnerScore{1275, 5000, 2505, 405};
inline constexpr QRect kTurnMarker{765, 4500, 3585, 1200};
inline constexpr int kTurnMarkerComputerLeft = 4500;
inline constexpr QRect kTurnBanner{1020, 100, 9960, 375};
inline constexpr QRect kClock{8670, 5610, 2055, 1545};
inline constexpr QRect kPhrasesLeft{7905, 7905, 3330, 525};

inline constexpr int kLampCount = 44;

// Key i (1..count) of a keyboard of count keys.
QRect keyRect(int index);

// Each character's tile place, in reading order; blanks take no tile.
std::vector<QPoint> tilePlaces(const QString& upperPhrase);

// Lamp k (0..43), clockwise from the top left corner.
QRect lampRect(int lamp);
// The fill colour lamp k starts with, as an RGB value 0xRRGGBB.
std::uint32_t lampStartColour(int lamp);

}  // namespace hunchword::layout
