#pragma once

// The spelling game: each phrase of the list, in random order, is shown as one
// tile per letter (blanks make none). The current tile's letter is said; the
// learner enters it; a right letter fills the tile and the next one is said, a
// wrong one is said again. Letters the edition's keyboard cannot enter are
// filled in from the start and skipped, so a phrase never waits for a key that
// does not exist; a phrase without any letter to enter is complete at once.
//
// No widgets here: the window draws the tiles, says the letters and runs the
// clock and the pauses.
#include "platform/random/RandomSource.h"

#include <QPoint>
#include <QString>

#include <vector>

namespace letterbee {

using platform::RandomSource;

struct SpellingPhrase {
    QString phrase;
    QString translation;
};

struct Tile {
    QPoint place;    // top left corner, twips
    QString letter;  // the right letter, upper case
    bool filled = false;
};

enum class LetterResult {
    Ignored,         // no phrase in play
    Wrong,           // the same letter is said again
    Right,           // the next letter is said
    PhraseComplete,  // every tile is filled
};

class SpellingGame {
public:
    // alphabet: the characters the on-screen keyboard offers.
    SpellingGame(std::vector<SpellingPhrase> phrases, QString alphabet, RandomSource random);

    // Deals a phrase not dealt before; false when every phrase has been dealt.
    bool nextPhrase();
    LetterResult checkLetter(const QString& letter);

    int phraseCount() const { return static_cast<int>(phrases_.size()); }
    // The phrases still to deal and the one in play: what the window shows as left.
    int phrasesLeftShown() const { return phrasesLeft_ + (inPlay_ ? 1 : 0); }
    bool allDealt() const { return phrasesLeft_ == 0; }
    // The phrase dealt last (0-based index into the list).
    int phraseIndex() const { return current_; }
    const SpellingPhrase& phrase() const { return phrases_[static_cast<std::size_t>(current_)]; }
    const std::vector<Tile>& tiles() const { return tiles_; }
    // The tile whose letter is wanted, -1 when the phrase is complete.
    int currentTile() const { return currentTile_; }
    bool phraseComplete() const { return currentTile_ < 0; }
    // Counts the phrases dealt, so a handler that paused can tell its phrase still stands.
    int round() const { return round_; }

private:
    void layOut(const QString& text);
    void moveToOpenTile(int from);

    std::vector<SpellingPhrase> phrases_;
    QString alphabet_;
    RandomSource random_;
    std::vector<bool> dealt_;
    std::vector<Tile> tiles_;
    int phrasesLeft_ = 0;
    bool inPlay_ = false;
    int current_ = -1;
    int currentTile_ = -1;
    int round_ = 0;
};

// The tiles of a phrase laid out from tile 0: words go on the same row while
// they fit, a word that does not starts the next row. A word is never split,
// except one wider than a whole row: it goes on in the next row where a tile
// would leave the window.
std::vector<Tile> layOutTiles(const QString& phrase);

}  // namespace letterbee
