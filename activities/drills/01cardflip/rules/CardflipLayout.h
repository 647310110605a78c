#pragma once

// Places and sizes of the flash-card window, in twips, and its font sizes.
// The card slides along one line; the arrows stand on either side of its rest
// place and stay above it while it passes.
#include "activities/drills/01cardflip/rules/CardDeck.h"

namespace cardflip::layout {

inline constexpr int kFormWidth = 12000;
inline constexpr int kFormHeight = 7800;

inline constexpr int kCardTop = 1350;
inline constexpr int kCardWidth = 6495;
inline constexpr int kCardHeight = 3930;

// Inside the card.
inline constexpr int kSideLabelTop = 180;
inline constexpr int kSideLabelHeight = 420;
inline constexpr int kPhraseMargin = 300;
inline constexpr int kPhraseTop = 700;

inline constexpr int kArrowSize = 960;
inline constexpr int kArrowTop = kCardTop + (kCardHeight - kArrowSize) / 2;
inline constexpr int kPrevLeft = kCardRestLeft - kArrowSize - 360;
inline constexpr int kNextLeft = kCardRestLeft + kCardWidth + 360;

inline constexpr int kCounterWidth = 1800;
inline constexpr int kCounterTop = kCardTop + kCardHeight + 240;
inline constexpr int kCounterHeight = 480;

inline constexpr int kButtonTop = kCounterTop + kCounterHeight + 420;
inline constexpr int kButtonWidth = 2055;
inline constexpr int kButtonHeight = 600;
inline constexpr int kButtonGap = 165;

inline constexpr int kPhrasePoints = 22;
inline constexpr int kSidePoints = 11;
inline constexpr int kCounterPoints = 13;
inline constexpr int kButtonPoints = 11;

// The window's background is one of palette entries 0 to 9, drawn at start-up.
inline constexpr int kBackgroundColours = 10;

}  // namespace cardflip::layout
