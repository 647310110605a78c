#include "activities/drills/03twinpick/rules/TwinpickGame.h"

#include "activities/drills/03twinpick/rules/TwinpickLayout.h"

#include <stdexcept>
#include <utility>

namespace twinpick {

TwinpickGame::TwinpickGame(int phraseCount, RandomSource random, TimeOfDayClock clock)
    : phraseCount_(phraseCount), random_(std::move(random)), clock_(std::move(clock))
{
    if (phraseCount_ < 1)
        throw std::invalid_argument("the pairs game needs at least one phrase");
    if (!clock_)
        throw std::invalid_argument("the pairs game needs a clock");
    cards_.resize(static_cast<std::size_t>(2 * phraseCount_));
}

void TwinpickGame::New_Game()
{
    pairsLeft_ = phraseCount_;
    clockText_ = elapsed::ElapsedTime().text();
    clockRunning_ = false;
    firstCard_ = currentCard_ = -1;
    flipping_ = false;
    turnTicks_ = 0;
    cardBack_ = kFirstCardBack + random_.below(kCardBacks);
    // Items 0..n-1 are the phrases, n..2n-1 their translations; each takes a
    // random card among those still free, one draw per item.
    const std::vector<int> places = platform::drawPlaces(random_, cardCount());
    for (int item = 0; item < cardCount(); ++item)
        cardAt(places[static_cast<std::size_t>(item)]) = Card{item % phraseCount_ + 1, item >= phraseCount_};
}

bool TwinpickGame::press(int index)
{
    if (flipping_ || pairsLeft_ == 0 || index < 0 || index >= cardCount() || card(index).state != CardState::FaceDown)
        return false;
    if (!clockRunning_) {
        startTime_ = clock_();
        clockRunning_ = true;
    }
    flipping_ = true;
    if (firstCard_ < 0)
        firstCard_ = index;
    currentCard_ = index;
    cardAt(index).state = CardState::Turning;
    turnTicks_ = 0;
    return true;
}

TurnStep TwinpickGame::turnTick()
{
    TurnStep step;
    if (currentCard_ < 0 || card(currentCard_).state != CardState::Turning)
        return step;
    step.slide = (turnTicks_ + 1) * layout::kBackSlideStep;
    if (turnTicks_ == 0)
        step.sound = effect("CardWhipe");
    if (turnTicks_ == kTurnTicks - 1) {
        step.sound = effect("StopWhipe");
        step.done = true;
        cardAt(currentCard_).state = CardState::FaceUp;
        turnTicks_ = 0;
    } else {
        ++turnTicks_;
    }
    return step;
}

std::optional<int> TwinpickGame::phraseToSay() const
{
    if (!sayOn_ || currentCard_ < 0 || card(currentCard_).state != CardState::FaceUp)
        return std::nullopt;
    return card(currentCard_).phrase;
}

JudgeStep TwinpickGame::Judge_Pair()
{
    JudgeStep step;
    if (!flipping_ || currentCard_ < 0 || card(currentCard_).state != CardState::FaceUp)
        return step;
    flipping_ = false;
    if (firstCard_ == currentCard_)
        return step;  // the first card of a pair: wait for the second
    Card& first = cardAt(firstCard_);
    Card& current = cardAt(currentCard_);
    firstCard_ = -1;
    if (first.phrase != current.phrase) {
        first.state = current.state = CardState::FaceDown;
        step.judgement = Judgement::Mismatch;
        step.sound = effect("CardWhipe");
        return step;
    }
    first.state = current.state = CardState::Gone;
    --pairsLeft_;
    step.sound = effect("Correct");
    step.judgement = Judgement::Pair;
    if (pairsLeft_ == 0) {
        // The clock stops at the time it shows: that is the score.
        clockRunning_ = false;
        step.judgement = Judgement::Cleared;
    }
    return step;
}

const QString& TwinpickGame::clockTick()
{
    if (clockRunning_)
        clockText_ = elapsed::Elapsed_Time(startTime_, clock_());
    return clockText_;
}

QString TwinpickGame::effect(const char* name) const
{
    return effectsOn_ ? QString::fromLatin1(name) : QString();
}

}  // namespace twinpick
