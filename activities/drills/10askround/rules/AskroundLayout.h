#pragma once

// Places and sizes of the quiz sheet, in twips, and its font sizes. Rows stand
// kRowSpacing apart; the special-character buttons and the check button follow
// the last row, so the window grows with the study list.
#include "activities/drills/10askround/rules/QuizSheet.h"

namespace askround::layout {

inline constexpr int kFormWidth = 12900;
inline constexpr int kMargin = 360;

inline constexpr int kHeaderTop = 240;
inline constexpr int kHeaderHeight = 420;
inline constexpr int kCaptionTop = 900;
inline constexpr int kCaptionHeight = 360;

inline constexpr int kFirstRowTop = 1380;
inline constexpr int kQuestionLeft = kMargin;
inline constexpr int kQuestionWidth = 4800;
inline constexpr int kRowHeight = 390;
inline constexpr int kAnswerLeft = 5280;
inline constexpr int kAnswerWidth = 3600;
inline constexpr int kMarkLeft = 9000;
inline constexpr int kMarkSize = 360;
inline constexpr int kRightPhraseLeft = 9480;
inline constexpr int kRightPhraseWidth = kFormWidth - kRightPhraseLeft - kMargin;
inline constexpr int kRuleBelow = 465;  // the rule under a row, from the row's top

inline constexpr int kCharsGap = 240;
inline constexpr int kCharsHeight = 1020;
inline constexpr int kCharsLabelHeight = 330;
inline constexpr int kLetterStep = 300;  // each special button stands this far right of the one before
inline constexpr int kLetterSize = 300;
inline constexpr int kLetterTop = 420;
inline constexpr int kCheckWidth = 2400;
inline constexpr int kCheckHeight = 600;
inline constexpr int kBottomMargin = 300;

inline constexpr int kQuestionPoints = 11;
inline constexpr int kAnswerPoints = 11;
inline constexpr int kHeaderPoints = 12;
inline constexpr int kResultPoints = 40;

inline constexpr int rowTop(int row) { return kFirstRowTop + row * kRowSpacing; }
inline constexpr int charsTop(int rows) { return rowTop(rows) + kCharsGap; }
inline constexpr int formHeight(int rows) { return charsTop(rows) + kCharsHeight + kBottomMargin; }

}  // namespace askround::layout
