#pragma once

// The rules of the pairs game. Each phrase of the study list is dealt face down
// twice: once as the phrase and once as its translation. The learner turns two
// cards; a pair of one phrase leaves the table, any other pair is turned face
// down again. Turning a card is a short animation followed by a pause in which
// the phrase may be spoken; only then is the pair judged, and no other card is
// taken meanwhile. The clock starts with the first card and stops when the
// table is clear; its text is the score.
//
// No widgets here: the window forwards presses and timer ticks, plays the
// sounds named here and draws the cards.
#include "activities/framework/elapsed/ElapsedTime.h"
#include "platform/random/RandomSource.h"

#include <QString>

#include <functional>
#include <optional>
#include <vector>

namespace twinpick {

using platform::RandomSource;

// The time of day the clock reads.
using TimeOfDayClock = std::function<elapsed::TimeOfDay()>;

inline constexpr int kTurnIntervalMs = 20;
inline constexpr int kPauseIntervalMs = 500;
inline constexpr int kClockIntervalMs = 1000;
// A turn lasts this many ticks of the turning timer.
inline constexpr int kTurnTicks = 6;
// Card backs are the pictures 101 to 110; one is picked for the whole game.
inline constexpr int kFirstCardBack = 101;
inline constexpr int kCardBacks = 10;

enum class CardState {
    FaceDown,  // its back covers the face text
    Turning,   // the back is sliding away
    FaceUp,    // the face text shows
    Gone,      // its pair was found
};

struct Card {
    int phrase = 0;            // the pair's mark: the phrase's place in the study list, 0 before the deal
    bool translation = false;  // shows the translation rather than the phrase
    CardState state = CardState::FaceDown;
};

// What one tick of the turning animation asks of the window.
struct TurnStep {
    int slide = 0;      // twips the back has moved up and left so far
    QString sound;      // an effect to play, or empty
    bool done = false;  // the face shows: stop the turning timer, start the pause
};

enum class Judgement {
    FirstCard,  // one card is open; the next press turns its partner
    Mismatch,   // both cards are face down again
    Pair,       // both cards left the table
    Cleared,    // the last pair left: the clock has stopped, the game is over
};

struct JudgeStep {
    Judgement judgement = Judgement::FirstCard;
    QString sound;  // an effect to play, or empty
};

class TwinpickGame {
public:
    // phraseCount: the study list's length (at least one). The random source is
    // drawn from for the whole run; the clock gives the time of day.
    TwinpickGame(int phraseCount, RandomSource random, TimeOfDayClock clock);

    int phraseCount() const { return phraseCount_; }
    int cardCount() const { return static_cast<int>(cards_.size()); }
    const Card& card(int index) const { return cards_.at(static_cast<std::size_t>(index)); }
    // The card-back picture of this game, 101 to 110.
    int cardBack() const { return cardBack_; }

    // Every card face down with a new back; the phrases and then the
    // translations each go to a random free card. The clock is reset and waits
    // for the first card.
    void New_Game();

    // A press on card index: the clock starts with the first one taken. True
    // when the card starts turning; a press while a card turns or a pair waits
    // for judgement, or on a card that is not face down, is refused.
    bool press(int index);
    // One tick of the turning timer.
    TurnStep turnTick();
    // After the pause: the phrase to speak (its place in the study list), if any.
    std::optional<int> phraseToSay() const;
    // Judges the card just turned against the open one, if there is one.
    JudgeStep Judge_Pair();

    // A card turns or waits for judgement: every press is refused.
    bool busy() const { return flipping_; }
    int currentCard() const { return currentCard_; }
    int pairsLeft() const { return pairsLeft_; }
    bool cleared() const { return pairsLeft_ == 0; }

    // -- the clock --
    bool clockRunning() const { return clockRunning_; }
    // The clock timer's tick: the text is brought up to date while the clock runs.
    const QString& clockTick();
    const QString& clockText() const { return clockText_; }

    // -- the toggles --
    bool sayOn() const { return sayOn_; }
    bool effectsOn() const { return effectsOn_; }
    void setSayOn(bool on) { sayOn_ = on; }
    void setEffectsOn(bool on) { effectsOn_ = on; }

private:
    QString effect(const char* name) const;
    Card& cardAt(int index) { return cards_[static_cast<std::size_t>(index)]; }

    int phraseCount_;
    RandomSource random_;
    TimeOfDayClock clock_;
    std::vector<Card> cards_;
    int cardBack_ = kFirstCardBack;

    int pairsLeft_ = 0;
    int firstCard_ = -1;   // the open card waiting for its partner
    int currentCard_ = -1; // the card turned last
    bool flipping_ = false;
    int turnTicks_ = 0;

    elapsed::TimeOfDay startTime_;
    QString clockText_ = elapsed::ElapsedTime().text();
    bool clockRunning_ = false;

    bool sayOn_ = true;
    bool effectsOn_ = true;
};

}  // namespace twinpick
