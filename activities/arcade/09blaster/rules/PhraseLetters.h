#pragma once

#include <QString>

#include <vector>

namespace blaster {

// The letters a round's invaders carry: every character of the upper-cased phrase
// but its blanks, punctuation included, in the order of writing. A character
// outside the basic plane (a surrogate pair) is one letter.
class PhraseLetters {
public:
    explicit PhraseLetters(QString upperPhrase);

    const QString& phrase() const { return phrase_; }
    int count() const { return static_cast<int>(letters_.size()); }
    const QString& letter(int index) const { return letters_[std::size_t(index)]; }

    // Invaders of the round: the smallest multiple of 10 above the letter count.
    int invaderCount() const { return (count() / 10 + 1) * 10; }

    // The phrase as far as `shot` letters have been shot: its text up to the last
    // of them with the blanks that follow it (so leading and double blanks show
    // where they stand), "" before the first.
    QString shownAfter(int shot) const;

private:
    QString phrase_;
    std::vector<QString> letters_;
    std::vector<int> ends_;  // position in the phrase just past each letter
};

}  // namespace blaster
