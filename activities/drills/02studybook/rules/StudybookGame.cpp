#include "activities/drills/02studybook/rules/StudybookGame.h"

#include <stdexcept>
#include <utility>

namespace studybook {

StudybookGame::StudybookGame(std::vector<QString> translations, RandomSource random, TimeOfDayClock clock)
    : translations_(std::move(translations)), random_(std::move(random)), clock_(std::move(clock))
{
    if (translations_.empty())
        throw std::invalid_argument("listen-and-choose needs at least one phrase");
    if (!clock_)
        throw std::invalid_argument("listen-and-choose needs a clock");
    labels_.resize(translations_.size());
}

void StudybookGame::startClock()
{
    startTime_ = clock_();
    clockRunning_ = true;
    clockText_ = elapsed::ElapsedTime().text();
}

const QString& StudybookGame::clockTick()
{
    if (clockRunning_)
        clockText_ = elapsed::Elapsed_Time(startTime_, clock_());
    return clockText_;
}

void StudybookGame::Start_Round()
{
    position_ = 1;
    finished_ = false;
    shuffleTicks_ = 0;
    shuffling_ = true;
    acceptsPicks_ = true;
}

ShuffleStep StudybookGame::shuffleTick()
{
    ShuffleStep step;
    if (!shuffling_)
        return step;
    for (ChoiceLabel& label : labels_) {
        label.text = translations_[random_.below(phraseCount())];
        label.color = random_.below(kShuffleColors) + 1;
    }
    step.playShuffleSound = shuffleTicks_ == 1;
    if (++shuffleTicks_ >= kShuffleTicks) {
        stopShuffle();
        Deal_Choices();
        step.dealt = true;
    }
    return step;
}

void StudybookGame::Deal_Choices()
{
    // Each label takes one of the translations not dealt yet, chosen at random,
    // so every translation shows exactly once with one draw per label.
    const std::vector<int> places = platform::drawPlaces(random_, phraseCount());
    for (std::size_t label = 0; label < labels_.size(); ++label)
        labels_[label].text = translations_[static_cast<std::size_t>(places[label])];
    acceptsPicks_ = !finished_;
}

PickOutcome StudybookGame::pick(int index)
{
    PickOutcome outcome;
    if (!acceptsPicks_ || index < 0 || index >= phraseCount())
        return outcome;
    // A pick made while the first shuffle still runs ends that shuffle here, so
    // no deal (and no phrase sound) can follow while the pick is answered.
    stopShuffle();
    acceptsPicks_ = false;
    outcome.rightTranslation = translation(position_);
    if (labels_[index].text == outcome.rightTranslation) {
        ++position_;
        outcome.result = PickResult::Right;
    } else {
        position_ = 1;
        outcome.result = PickResult::Wrong;
    }
    if (position_ > phraseCount()) {
        clockTick();
        clockRunning_ = false;
        finished_ = true;
        outcome.result = PickResult::Finished;
    }
    return outcome;
}

void StudybookGame::continueAfterPick()
{
    if (finished_ || shuffling_)
        return;
    shuffleTicks_ = 0;
    shuffling_ = true;
}

std::optional<int> StudybookGame::phraseToPlay() const
{
    if (position_ < 1 || position_ > phraseCount())
        return std::nullopt;
    return position_;
}

HoverChange StudybookGame::hoverLabel(int index)
{
    HoverChange change;
    if (!acceptsPicks_ || index < 0 || index >= phraseCount() || index == hoverIndex_)
        return change;
    if (hoverIndex_ >= 0) {
        labels_[hoverIndex_].color = kRestColor;
        change.rested = hoverIndex_;
    }
    labels_[index].color = kHoverColor;
    change.hovered = hoverIndex_ = index;
    return change;
}

HoverChange StudybookGame::leaveLabels()
{
    HoverChange change;
    if (!acceptsPicks_ || hoverIndex_ < 0)
        return change;
    labels_[hoverIndex_].color = kRestColor;
    change.rested = hoverIndex_;
    hoverIndex_ = -1;
    return change;
}

void StudybookGame::stopShuffle()
{
    if (!shuffling_)
        return;
    shuffling_ = false;
    shuffleTicks_ = 0;
    restAllLabels();
}

void StudybookGame::restAllLabels()
{
    for (ChoiceLabel& label : labels_)
        label.color = kRestColor;
    // The hovered label lost its colour with the others; the next move over it colours it again.
    hoverIndex_ = -1;
}

}  // namespace studybook
