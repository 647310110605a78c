#pragma once

// Places and sizes of the listen-and-choose window, in twips, and its font sizes.
// The answer labels form one column, each 600 twips below the one before.
#include <algorithm>

namespace studybook::layout {

inline constexpr int kFormWidth = 10200;
inline constexpr int kMargin = 480;

inline constexpr int kSubjectTop = 300;
inline constexpr int kSubjectHeight = 540;
inline constexpr int kInstructionsTop = 900;
inline constexpr int kInstructionsHeight = 420;
inline constexpr int kHearAgainTop = 1380;
inline constexpr int kHearAgainHeight = 420;

inline constexpr int kChoiceLeft = kMargin;
inline constexpr int kChoiceTop = 2040;
inline constexpr int kChoiceSpacing = 600;
inline constexpr int kChoiceWidth = 6000;  // a translation of 36 characters, pressed
inline constexpr int kChoiceHeight = 540;

inline constexpr int kSideLeft = kChoiceLeft + kChoiceWidth + 360;
inline constexpr int kSideWidth = kFormWidth - kSideLeft - kMargin;
inline constexpr int kElapsedTop = kChoiceTop;
inline constexpr int kElapsedHeight = 360;
inline constexpr int kTimerTop = kElapsedTop + kElapsedHeight;
inline constexpr int kTimerHeight = 660;
inline constexpr int kPhrasesLeftTop = kTimerTop + 720;
inline constexpr int kPhrasesLeftHeight = 600;  // two lines
inline constexpr int kSideBottom = kPhrasesLeftTop + kPhrasesLeftHeight;

// Font sizes in points.
inline constexpr int kChoicePoints = 12;
inline constexpr int kChoicePressGrowth = 4;  // added while a label is held down
inline constexpr int kHearAgainPoints = 10;
inline constexpr int kHearAgainPressedPoints = 12;

constexpr int choiceTop(int index) { return kChoiceTop + index * kChoiceSpacing; }

// Tall enough for every label of the list and for the clock beside it.
constexpr int formHeight(int phraseCount)
{
    const int lastBottom = choiceTop(std::max(phraseCount, 1) - 1) + kChoiceHeight;
    return std::max(lastBottom, kSideBottom) + kMargin;
}

}  // namespace studybook::layout
