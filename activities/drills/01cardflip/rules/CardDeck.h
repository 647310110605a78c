#pragma once

// The flash cards: one card at a time slides across the window showing either
// the phrase (front) or its translation (back). The learner turns the card and
// moves to the next or previous one; the card's text and the counter change
// only when the sliding card wraps around the window's edge, so the card that
// arrives is the one current at that moment.
//
// No widgets here: the window steps the slides from its timers and draws the
// card as this class describes it. Places are in twips.
#include <QString>

#include <cstdint>
#include <vector>

namespace cardflip {

struct FlashCard {
    QString phrase;        // in the language being learnt
    QString translation;
    QString translation2;  // often empty
};

enum class Side { Front, Back };

// Colours of the card text as &HBBGGRR numbers.
inline constexpr std::uint32_t kFrontColour = 0xFF0000;  // blue
inline constexpr std::uint32_t kBackColour = 0xFF00FF;   // magenta

// The card's rest position and the sliding steps.
inline constexpr int kCardRestLeft = 2775;
inline constexpr int kSlideStep = 500;
inline constexpr int kForwardWrapBeyond = 10000;   // a forward slide wraps past this Left
inline constexpr int kForwardReentry = -9000;      // ... and comes back in from here
inline constexpr int kBackwardWrapBelow = -10000;  // a backward slide wraps below this Left
inline constexpr int kBackwardReentry = 9000;
inline constexpr int kStopLine = 2700;  // a wrapped card stops on reaching it

enum class Slide { None, Forward, Backward };

// What one slide tick asks the window to do besides moving the card.
struct SlideStep {
    bool wrapped = false;  // the card text and the counter changed
    bool stopped = false;  // the card came to rest: the stop sound plays
};

class CardDeck {
public:
    // cards: the study list in order (at least one).
    explicit CardDeck(std::vector<FlashCard> cards);

    int count() const { return static_cast<int>(cards_.size()); }
    // 0 before the first card, else 1..count().
    int cardIndex() const { return index_; }
    Side side() const { return side_; }
    const QString& cardText() const { return text_; }
    std::uint32_t textColour() const { return colour_; }
    // "<card>/<count>", as shown while the card slides in.
    const QString& counterText() const { return counter_; }
    int cardLeft() const { return left_; }
    Slide slide() const { return slide_; }
    // Turning makes sense only once a card is shown.
    bool canTurn() const { return index_ > 0; }

    // The next card (after the last, the first) slides in from the left; a
    // backward slide in progress stops.
    void next();
    // The previous card (before the first, the last) slides in from the right.
    void previous();
    // One tick of the slide in progress; nothing when none runs.
    SlideStep slideTick();

    // The other side of the current card: the front shows the phrase in blue,
    // the back the translation in magenta. Nothing before the first card.
    void turn();

private:
    void startSlide(Slide slide);
    // The side shown, for the card current at the wrap.
    QString wrapText(bool withSecondTranslation) const;

    std::vector<FlashCard> cards_;
    int index_ = 0;
    Side side_ = Side::Front;
    QString text_;
    std::uint32_t colour_ = kFrontColour;
    QString counter_;
    int left_ = kCardRestLeft;
    Slide slide_ = Slide::None;
    bool wrapped_ = false;  // the sliding card has wrapped and is on its way to the stop
};

}  // namespace cardflip
