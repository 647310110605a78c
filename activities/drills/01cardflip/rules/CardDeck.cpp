#include "activities/drills/01cardflip/rules/CardDeck.h"

#include <stdexcept>

namespace cardflip {

CardDeck::CardDeck(std::vector<FlashCard> cards) : cards_(std::move(cards))
{
    if (cards_.empty())
        throw std::invalid_argument("flash cards need at least one phrase");
    counter_ = QStringLiteral("0/%1").arg(count());
}

void CardDeck::next()
{
    index_ = index_ >= count() ? 1 : index_ + 1;
    startSlide(Slide::Forward);
}

void CardDeck::previous()
{
    index_ = index_ <= 1 ? count() : index_ - 1;
    startSlide(Slide::Backward);
}

void CardDeck::startSlide(Slide slide)
{
    // A slide always starts unwrapped, even when it interrupts one that had
    // wrapped: otherwise the card would stop at once showing the old card.
    wrapped_ = false;
    slide_ = slide;
}

SlideStep CardDeck::slideTick()
{
    SlideStep step;
    if (slide_ == Slide::None)
        return step;
    const bool forward = slide_ == Slide::Forward;
    if (forward ? left_ > kForwardWrapBeyond : left_ < kBackwardWrapBelow) {
        // Only a card that came in from the left shows its second translation.
        text_ = wrapText(forward);
        left_ = forward ? kForwardReentry : kBackwardReentry;
        counter_ = QStringLiteral("%1/%2").arg(index_).arg(count());
        wrapped_ = true;
        step.wrapped = true;
    } else {
        left_ += forward ? kSlideStep : -kSlideStep;
    }
    if (wrapped_ && (forward ? left_ >= kStopLine : left_ <= kStopLine)) {
        slide_ = Slide::None;
        wrapped_ = false;
        step.stopped = true;
    }
    return step;
}

QString CardDeck::wrapText(bool withSecondTranslation) const
{
    const FlashCard& card = cards_.at(index_ - 1);
    if (side_ == Side::Front)
        return card.phrase;
    if (withSecondTranslation && !card.translation2.isEmpty())
        return card.translation + QStringLiteral(", ") + card.translation2;
    return card.translation;
}

void CardDeck::turn()
{
    if (!canTurn())
        return;
    const FlashCard& card = cards_.at(index_ - 1);
    if (side_ == Side::Back) {
        side_ = Side::Front;
        text_ = card.phrase;
        colour_ = kFrontColour;
    } else {
        side_ = Side::Back;
        text_ = card.translation;
        colour_ = kBackColour;
    }
}

}  // namespace cardflip
