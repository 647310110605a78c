#pragma once

// The letter-guessing duel: the learner and the computer take turns picking
// letters of a hidden phrase on a keyboard of the edition's alphabet. A letter
// in the phrase reveals all its tiles and scores their points, and the picker
// goes on; a miss, or a turn clock run down to 0, passes the turn. A phrase
// solved is shown and the next one dealt to the player who solved it; after
// the last phrase the learner's points are the score.
//
// A character that has no key on the edition's keyboard is revealed at the
// deal and scores nothing, so every hidden tile can be picked; a phrase with
// nothing to pick is skipped.
//
// No widgets here: the window steps the turn clock, shows picks and the solved
// phrase, and asks which key the computer picks.
#include "platform/random/RandomSource.h"

#include <QPoint>
#include <QString>
#include <QStringList>

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

namespace hunchword {

using platform::RandomSource;

inline constexpr int kTurnSeconds = 20;
inline constexpr int kClockIntervalMs = 1000;
inline constexpr int kShowIntervalMs = 100;
inline constexpr int kLampIntervalMs = 250;
// The solved-phrase show: colour ticks, then all white, then the recording.
inline constexpr int kShowColourTicks = 25;
inline constexpr int kShowWhiteTick = 26;
inline constexpr int kShowSoundTick = 27;
inline constexpr int kShowEndTick = 28;

enum class Player { Computer = 0, Learner = 1 };

// The keys, in order, of an edition's keyboard; none for an unknown code.
QStringList courseAlphabet(const QString& programCode);

// The characters of a phrase as its tiles hold them: upper-cased one
// character at a time, blanks left out.
QStringList phraseLetters(const QString& phrase);

enum class Look { Hidden, Matched, Revealed };

struct Tile {
    QString letter;
    int points = 0;  // 50 to 500; 0 for a character revealed at the deal
    Look look = Look::Hidden;
    QPoint place;    // twips
};

struct DuelPhrase {
    QString text;         // in the language being learnt
    QString translation;  // shown once the phrase is solved
};

struct PickOutcome {
    bool taken = false;      // the key could be picked
    int matches = 0;         // tiles now matched (red)
    std::int64_t gained = 0;
};

enum class AfterPhrase { NextPhrase, GameOver };

class HunchGame {
public:
    // alphabet: the keys of the keyboard (from courseAlphabet).
    HunchGame(std::vector<DuelPhrase> phrases, QStringList alphabet, RandomSource random);

    // Both points 0, the learner to play, every phrase to come; deals the first.
    // False when no phrase has anything to pick (the game is over at once).
    bool newGame();

    Player player() const { return player_; }
    bool computerToPlay() const { return player_ == Player::Computer; }
    std::int64_t points(Player who) const { return points_[static_cast<std::size_t>(who)]; }
    int phrasesLeft() const { return phrasesLeft_; }
    // 0-based index of the phrase on the board, -1 before the first deal.
    int phraseIndex() const { return current_; }
    const DuelPhrase& currentPhrase() const { return phrases_.at(static_cast<std::size_t>(current_)); }
    const std::vector<Tile>& tiles() const { return tiles_; }
    const QStringList& alphabet() const { return alphabet_; }
    // Whether key i (1..alphabet size) is still shown for this phrase.
    bool keyVisible(int key) const { return keysShown_.at(static_cast<std::size_t>(key - 1)); }
    int clock() const { return clock_; }
    bool gameOver() const { return over_; }

    // The current player picks key i: the key is used up for this phrase; its
    // letter's tiles turn matched and their points go to the picker, who keeps
    // the turn. A miss passes the turn.
    PickOutcome pick(int key);
    // The matched tiles are revealed (after the pause that shows them red).
    void revealMatched();
    // No tile is hidden any more.
    bool solved() const;
    // After a solved phrase's show: the next phrase with something to pick is
    // dealt to the same player, or the game is over.
    AfterPhrase afterPhrase();

    // The turn passes to the other player with a full clock.
    void switchTurn();
    // One second of the turn clock; true when it ran out (the clock is full
    // again; the turn passes after the pause that follows).
    bool clockTick();
    void resetClock() { clock_ = kTurnSeconds; }

    // The key the computer picks: while most of the phrase is hidden it picks
    // a letter it knows to be right only now and then, in the end game always,
    // and always while it trails; otherwise any key still shown.
    int chooseComputerKey() const;
    // The skill tier that choice uses (1 = always right).
    int skillTier() const;

    // The solved-phrase show's palette colour for a colour tick (1..15).
    int showColour() const;

private:
    // Deals the next phrase still to come that has something to pick.
    bool dealNext();
    void deal(int index);

    std::vector<DuelPhrase> phrases_;
    QStringList alphabet_;
    RandomSource random_;
    std::vector<bool> dealt_;
    std::vector<bool> keysShown_;
    std::vector<Tile> tiles_;
    std::array<std::int64_t, 2> points_{};
    Player player_ = Player::Learner;
    int phrasesLeft_ = 0;
    int current_ = -1;
    int clock_ = kTurnSeconds;
    bool over_ = false;
};

}  // namespace hunchword
