#pragma once

#include "platform/random/RandomSource.h"
#include "activities/puzzles/05jumbler/rules/BoardLayout.h"

#include <QPoint>
#include <QRect>
#include <QString>

#include <cstdint>
#include <optional>
#include <vector>

namespace jumbler {

using platform::RandomSource;

inline constexpr int kSecondsPerLetter = 7;
// The right-answer flash shows palette colours 0 to 15, one a tick.
inline constexpr int kFlashColours = 16;

// Colours as &HBBGGRR numbers.
namespace colour {
inline constexpr std::uint32_t kBlack = 0x000000;
inline constexpr std::uint32_t kWhite = 0xFFFFFF;
inline constexpr std::uint32_t kBlue = 0xFF0000;
inline constexpr std::uint32_t kGreen = 0x00FF00;
inline constexpr std::uint32_t kRed = 0x0000FF;
}  // namespace colour

struct ScramblePhrase {
    QString text;         // in the language being learnt: its letters are scrambled
    QString translation;  // shown as the clue
};

// A place for one letter of the phrase.
struct LetterSlot {
    QRect rect;
    QString rightLetter;
    QString letter;  // the letter of the tile lying on it; empty when free
    std::uint32_t colour = colour::kBlack;  // black free, white filled, blue under a dragged tile
};

// A letter the learner drags.
struct LetterTile {
    QString letter;
    QRect rect;                // where it lies now
    QRect home;                // where it was dealt
    std::optional<int> slot;   // the slot it fills
    bool bordered = true;      // a tile lying on a slot has no border
    std::uint32_t letterColour = colour::kBlack;
    std::uint32_t background = colour::kWhite;
    int flashColour = -1;      // palette entry of the letter while flashing, else -1
};

enum class Stage {
    NotStarted,
    Playing,   // the countdown runs and tiles move
    Judging,   // every slot holds a letter; the answer is judged when the wait of the drop
               // that made the board so ends. Tiles still move meanwhile; the countdown
               // runs on unless the answer is right
    Praising,  // a right answer: praise, the phrase's sound, the flash, then the bonus
    TimedOut,  // the time ran out: the message, then the bonus (nothing)
    Finished,  // no phrase is left: the points are the score
};

// Given for a drop on a slot; its wait is over when finishDrop is called with it.
struct DropTicket {
    std::uint64_t round = 0;
    std::uint64_t boardChange = 0;  // the number of the board change the drop made
};

enum class Judgement { None, Right, Wrong };
enum class AfterBonus { Ignored, NextPhrase, GameOver };

// The letter scramble: the learner rebuilds each phrase from its shuffled letters
// within 7 seconds a letter; the seconds left are added to the points. The window
// drives it: a 1-second tick for the countdown, a 100 ms tick for the flash, and
// the end of each drop's one-second wait.
class ScrambleGame {
public:
    ScrambleGame(std::vector<ScramblePhrase> phrases, RandomSource random);

    // Points 0, every phrase undealt, then the first phrase is dealt.
    void newGame();

    Stage stage() const { return stage_; }
    // Grows with every deal, so a handler can tell that its phrase has ended.
    std::uint64_t round() const { return round_; }
    // 0-based index into the phrases of the phrase dealt, -1 before the first.
    int phraseIndex() const { return current_; }
    const ScramblePhrase& currentPhrase() const;
    // Phrases left including the one dealt.
    int phrasesLeftShown() const { return shownLeft_; }
    int secondsLeft() const { return seconds_; }
    std::int64_t points() const { return points_; }
    bool countdownRunning() const { return countdown_; }
    const std::vector<LetterSlot>& letterSlots() const { return slots_; }
    const std::vector<LetterTile>& tiles() const { return tiles_; }
    // The lowest edge of the board's slots and tiles as dealt.
    int boardBottom() const { return boardBottom_; }

    // Whether the tile may be picked up now.
    bool canDrag(int tile) const;
    // The slot whose area holds the point, or -1.
    int slotAt(QPoint point) const;
    // A tile is dragged over the slot: every free slot turns black and this one
    // blue, unless it holds a letter.
    void dragOver(int slot);
    // Puts the tile on the slot (taking it from the slot it filled; a tile already
    // lying there goes back to its dealt place). Nothing happens, and no ticket is
    // given, when tiles may not move.
    std::optional<DropTicket> dropOnSlot(int tile, int slot);
    // The drop's wait is over: the answer is judged when the ticket's drop is still
    // the latest change of the board of its phrase and every slot holds a letter.
    // Each board is judged once; an earlier drop's wait ending later judges nothing.
    Judgement finishDrop(const DropTicket& ticket);
    // Leaves the tile centred on the point, taking it from its slot; every letter
    // turns black again. False when tiles may not move.
    bool dropOnBackground(int tile, QPoint point);

    // One second of the countdown; true on the tick that runs out of time.
    bool tick();
    // One tick of the right-answer flash: the palette entry shown, or nothing on
    // the tick that ends the flash (the bonus may then be added).
    std::optional<int> flashTick();
    // Adds the seconds left to the points, once per phrase, then deals the next
    // phrase or ends the game.
    AfterBonus addTimeBonus();

private:
    void deal();
    int pickUndealtPhrase();
    Judgement judge();
    bool answerIsRight() const;
    bool tilesMayMove() const;
    void freeSlot(int slot);
    void boardChanged();

    std::vector<ScramblePhrase> phrases_;
    RandomSource random_;
    std::vector<bool> dealt_;
    int remaining_ = 0;
    int shownLeft_ = 0;
    int current_ = -1;
    int dealCount_ = 0;
    std::uint64_t round_ = 0;
    Stage stage_ = Stage::NotStarted;
    int seconds_ = 0;
    std::int64_t points_ = 0;
    bool countdown_ = false;
    std::uint64_t boardChanges_ = 0;  // drops on a slot or the background, counted through the game
    int flashCounter_ = 0;
    bool flashOver_ = false;
    std::vector<LetterSlot> slots_;
    std::vector<LetterTile> tiles_;
    int boardBottom_ = 0;
};

}  // namespace jumbler
