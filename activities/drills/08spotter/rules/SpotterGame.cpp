#include "activities/drills/08spotter/rules/SpotterGame.h"

#include <stdexcept>
#include <utility>

namespace spotter {

int percentRight(int right, int wrong)
{
    const long long clicks = static_cast<long long>(right) + wrong;
    if (clicks <= 0)
        return 0;
    const long long scaled = static_cast<long long>(right) * 100;
    long long whole = scaled / clicks;
    const long long twiceRest = 2 * (scaled % clicks);
    if (twiceRest > clicks || (twiceRest == clicks && whole % 2 != 0))
        ++whole;
    return static_cast<int>(whole);
}

SpotterGame::SpotterGame(int phraseCount, RandomSource random) : random_(std::move(random))
{
    if (phraseCount < 1)
        throw std::invalid_argument("listen-and-find needs at least one phrase");
    cards_.resize(static_cast<std::size_t>(phraseCount));
}

void SpotterGame::Deal_Choices()
{
    // Card k takes one of the phrases not dealt yet, chosen at random: every
    // phrase lands on exactly one card, with one draw per card.
    const std::vector<int> phrases = platform::drawPlaces(random_, cardCount());
    for (std::size_t card = 0; card < cards_.size(); ++card)
        cards_[card] = Card{phrases[card] + 1, true};
    remaining_ = cardCount();
    right_ = wrong_ = 0;
    target_ = -1;
    awaitingClick_ = false;
    finished_ = false;
}

std::optional<int> SpotterGame::Next_Target()
{
    if (remaining_ <= 0) {
        finished_ = true;
        awaitingClick_ = false;
        return std::nullopt;
    }
    // Every card still shown is equally likely, the last target included.
    std::vector<int> shown;
    for (int index = 0; index < cardCount(); ++index) {
        if (cards_[static_cast<std::size_t>(index)].shown)
            shown.push_back(index);
    }
    target_ = platform::drawFrom(random_, shown);
    awaitingClick_ = true;
    return target_;
}

ClickResult SpotterGame::click(int index)
{
    if (!awaitingClick_ || index < 0 || index >= cardCount() || !cardShown(index))
        return ClickResult::Ignored;
    awaitingClick_ = false;
    if (index != target_) {
        ++wrong_;
        return ClickResult::Wrong;
    }
    cards_[static_cast<std::size_t>(index)].shown = false;
    --remaining_;
    ++right_;
    return ClickResult::Right;
}

}  // namespace spotter
