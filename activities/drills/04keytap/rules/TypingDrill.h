#pragma once

// The typing drill: one row per phrase ("phrase - translation"), typed
// character by character. A right character joins the row's typed text; a
// wrong one is shown after it until the next key and nothing advances. The
// clock is the window's; each of its ticks counts a second and recomputes the
// words a minute.
#include "activities/drills/04keytap/rules/TypingKeys.h"

#include <QString>

#include <vector>

namespace keytap {

enum class KeyResult {
    Beep,      // Backspace: nothing changes
    Nothing,   // Enter, or a key after the last row
    Wrong,     // the wrong character is shown in red
    Right,     // the character joins the row
    Finished,  // the last character of the last row
};

class TypingDrill {
public:
    // One row per phrase: phrase, " ", separator, " ", translation.
    TypingDrill(const std::vector<TypingPhrase>& phrases, const QString& separator);

    KeyResult press(const Keystroke& key);
    // One second of the clock; returns the new words a minute.
    int tick();

    int rowCount() const { return static_cast<int>(rows_.size()); }
    const QString& rowText(int row) const { return rows_[static_cast<std::size_t>(row)]; }
    // The right characters typed so far, and the same with the wrong one after them.
    QString greenText(int row) const;
    QString redText(int row) const;

    int row() const { return row_; }
    bool finished() const { return row_ >= rowCount(); }
    int correctChars() const { return correctChars_; }
    int seconds() const { return seconds_; }
    int wordsPerMinute() const { return wordsPerMinute_; }

private:
    std::vector<QString> rows_;
    std::vector<std::u32string> characters_;
    std::vector<std::size_t> typed_;   // right characters typed in each row
    std::vector<char32_t> wrong_;      // the wrong character shown in each row, or 0
    int row_ = 0;
    int correctChars_ = 0;
    int seconds_ = 0;
    int wordsPerMinute_ = 0;
};

// Words of 5.5 characters, then words over the minutes taken; both rounded to
// the nearest whole number, halves to the even one. 0 before the first second.
int wordsPerMinute(int correctChars, int seconds);

}  // namespace keytap
