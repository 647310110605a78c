#pragma once

#include <QString>
#include <QStringList>

#include <vector>

namespace jumbler {

// A phrase cut into words, each word into its letters. A letter is one
// character as the learner sees it (an accented letter written with a
// combining mark, or a character outside the basic plane, is one letter),
// so no letter is ever split into bytes or halves.
struct PhraseLetters {
    std::vector<QStringList> words;  // in reading order; a word may be empty

    int letterCount() const;
    // Every letter in reading order.
    QStringList letters() const;
};

// Words are cut at every single white-space character, so two blanks in a
// row give an empty word (a wider gap on the board). Every other character is
// a letter, punctuation and apostrophes included.
PhraseLetters splitPhrase(const QString& phrase);

}  // namespace jumbler
