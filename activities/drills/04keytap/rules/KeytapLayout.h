#pragma once

// Where the typing drill's window puts everything, in twips from the window's
// top left corner.
#include <QRect>
#include <QSize>

namespace keytap::layout {

// Row 0: the text to type, and below it the typed text (green over red).
inline constexpr QRect kPhraseRow0{1395, 630, 10005, 285};
inline constexpr QRect kRedRow0{1395, 855, 10005, 285};
inline constexpr QRect kGreenRow0{1395, 855, 10005, 225};
// Every further row lies this far below the one before.
inline constexpr int kRowStep = 550;

// The box that takes every key and shows the words a minute.
inline constexpr QRect kKeyBox{5550, 6825, 1140, 405};
// Inside the key box: the figure and its unit.
inline constexpr QRect kWordsPerMinute{30, 0, 480, 405};
inline constexpr QRect kWordsPerMinuteUnit{510, 0, 630, 405};

inline constexpr QSize kFormSize{12795, 7620};

// The rows of a list: row i is row 0 moved i steps down.
inline constexpr QRect rowPlace(const QRect& row0, int row)
{
    return row0.translated(0, row * kRowStep);
}

}  // namespace keytap::layout
