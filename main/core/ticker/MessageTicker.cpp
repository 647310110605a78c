#include "main/core/ticker/MessageTicker.h"

#include "main/core/ticker/TickerTables.h"

#include <utility>

namespace ticker {

MessageTicker::MessageTicker(platform::RandomSource random, int heightTwips)
    : random_(std::move(random)), heightTwips_(heightTwips)
{
}

void MessageTicker::showWelcome(const QString& line)
{
    // A link of the text shown before (another learner's) must not stay behind.
    shown_ = {line, QString()};
    fontPoints_ = kWelcomePoints;
}

MessageTicker::Step MessageTicker::step()
{
    if (phase_ == Phase::Opening) {
        heightTwips_ += kStepTwips;
        if (heightTwips_ < kOpenTwips) return Step::Moved;
        phase_ = Phase::Closing;
        stepTimerOn_ = false;
        holdTimerOn_ = true;
        return Step::Opened;
    }
    heightTwips_ -= kStepTwips;
    if (heightTwips_ > kClosedTwips) return Step::Moved;
    changeText();
    return Step::TextChanged;
}

void MessageTicker::changeText()
{
    holdTimerOn_ = false;
    shown_ = nextText();
    const int length = static_cast<int>(shown_.text.size());
    holdMs_ = holdMsFor(length);
    fontPoints_ = fontPointsFor(length);
    colourIndex_ = drawColourIndex(random_);
    phase_ = Phase::Opening;
}

TickerText MessageTicker::nextText()
{
    if (!pending_.text.isEmpty()) return std::exchange(pending_, TickerText{});
    pending_ = {};
    if (!tips_.isEmpty()) {
        tipIndex_ = tipIndex_ % tips_.size() + 1;
        return {tips_[tipIndex_ - 1], QString()};
    }
    // Without tips the messages take their place, in the same order.
    if (!messages_.empty()) return nextMessage();
    return shown_;
}

TickerText MessageTicker::nextMessage()
{
    messageIndex_ = messageIndex_ % static_cast<int>(messages_.size()) + 1;
    return messages_[static_cast<std::size_t>(messageIndex_ - 1)];
}

void MessageTicker::holdEnded()
{
    const bool message = random_.below(2) == 1;
    pending_ = message && !messages_.empty() ? nextMessage() : TickerText{};
    stepTimerOn_ = true;
}

}  // namespace ticker
