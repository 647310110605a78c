#pragma once

// The rules of listen-and-find. Each phrase of the study list is a card showing
// its translation; the program plays the sound of one card still shown and the
// learner clicks the card it belongs to. A right click takes the card off the
// table, a wrong one only counts; either way a new target is drawn among the
// cards still shown. The game ends when every card is found, and the score is
// the percentage of right clicks.
//
// No widgets here: the window forwards the clicks and draws what this class says.
#include "platform/random/RandomSource.h"

#include <optional>
#include <vector>

namespace spotter {

using platform::RandomSource;

enum class ClickResult {
    Ignored,  // no target is waiting for a click, or the card is not on the table
    Right,
    Wrong,
};

// right / (right + wrong) as a whole percentage, halves rounded to the even
// neighbour (5 of 8 is 62, 3 of 8 is 38); 0 before any click.
int percentRight(int right, int wrong);

class SpotterGame {
public:
    // phraseCount: the study list's length (at least one). The random source is
    // drawn from for the whole run.
    SpotterGame(int phraseCount, RandomSource random);

    int cardCount() const { return static_cast<int>(cards_.size()); }

    // Puts every phrase on one card, in random order, all shown. No target yet.
    void Deal_Choices();
    // Draws the next target among the cards still shown and takes clicks again;
    // none when every card has been found (the game is over then).
    std::optional<int> Next_Target();

    // Judges a click on card index against the target. After a Right or Wrong
    // result no click is taken until Next_Target has drawn again.
    ClickResult click(int index);

    // The phrase (1 to the phrase count) on card index; 0 before the deal.
    int phraseOnCard(int index) const { return cards_.at(static_cast<std::size_t>(index)).phrase; }
    bool cardShown(int index) const { return cards_.at(static_cast<std::size_t>(index)).shown; }

    int target() const { return target_; }
    int targetPhrase() const { return target_ < 0 ? 0 : phraseOnCard(target_); }
    bool awaitingClick() const { return awaitingClick_; }
    int remaining() const { return remaining_; }
    int rightCount() const { return right_; }
    int wrongCount() const { return wrong_; }
    int percent() const { return percentRight(right_, wrong_); }
    bool finished() const { return finished_; }

private:
    struct Card {
        int phrase = 0;
        bool shown = false;
    };

    std::vector<Card> cards_;
    RandomSource random_;
    int target_ = -1;
    int remaining_ = 0;
    int right_ = 0;
    int wrong_ = 0;
    bool awaitingClick_ = false;
    bool finished_ = false;
};

}  // namespace spotter
