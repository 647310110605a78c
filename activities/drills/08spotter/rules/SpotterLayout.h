#pragma once

// Places and sizes of the listen-and-find window, in twips. Every card is a label
// with two rounded frames: a dark one offset down and right as its shadow, a
// light one around it. The three arrays are laid out by one rule from their
// first item, giving two columns 5650 twips apart and rows 1500 twips apart.
#include <QPoint>
#include <QRect>

#include <vector>

namespace spotter::layout {

inline constexpr int kColumnStep = 5650;
inline constexpr int kRowStep = 1500;
// An item placed at or beyond this Left closes its row.
inline constexpr int kRowEndLeft = 4000;

inline constexpr QRect kCard{540, 390, 5055, 1050};
inline constexpr QRect kShadow{540, 390, 5250, 1230};  // Shape1
inline constexpr QRect kFrame{495, 345, 5145, 1125};   // Shape2

// The counters along the bottom: heading above, value below.
inline constexpr QRect kWrongHeading{960, 7680, 1200, 255};
inline constexpr QRect kRightHeading{2700, 7680, 1200, 255};
inline constexpr QRect kPercentHeading{8610, 7680, 1320, 255};
inline constexpr QRect kWrongCount{960, 7875, 1185, 495};
inline constexpr QRect kRightCount{2700, 7875, 1185, 495};
inline constexpr QRect kPercentage{8610, 7875, 1335, 495};
inline constexpr QRect kHearAgain{4575, 7875, 3390, 465};

inline constexpr int kFormWidth = 11880;
inline constexpr int kFormHeight = 8880;

// The top-left corners of count items of an array whose item 0 stands at first.
std::vector<QPoint> arrayPlaces(QPoint first, int count);

}  // namespace spotter::layout
