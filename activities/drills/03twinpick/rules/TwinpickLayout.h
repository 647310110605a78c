#pragma once

// Places and sizes of the pairs window, in twips. The cards stand in rows of
// four from the first card's place; the clock and the two toggles sit in a bar
// below the fifth row, the most twenty cards need.
#include <QPoint>
#include <QRect>

#include <vector>

namespace twinpick::layout {

inline constexpr QRect kFirstCard{1000, 600, 2310, 1290};
inline constexpr int kColumnStep = 2500;
inline constexpr int kRowStep = 1500;
// A card placed at or beyond this Left closes its row.
inline constexpr int kRowEndLeft = 6500;

// How far the back slides up and left on each animation tick.
inline constexpr int kBackSlideStep = 500;

inline constexpr int kBarTop = 8160;
inline constexpr QRect kElapsedHeading{1000, kBarTop, 2310, 300};
inline constexpr QRect kTimer{1000, kBarTop + 300, 2310, 600};
inline constexpr QRect kSayToggle{8500, kBarTop, 900, 900};
inline constexpr QRect kEffectsToggle{9910, kBarTop, 900, 900};
// A toggle is this much shorter while the mouse button is held on it.
inline constexpr int kTogglePress = 20;

inline constexpr int kFormWidth = 11810;
inline constexpr int kFormHeight = 9600;

// The top-left corners of count cards.
std::vector<QPoint> cardPlaces(int count);

}  // namespace twinpick::layout
