#include "activities/framework/windows/ScoreSlide.h"

#include <algorithm>
#include <cmath>

namespace activity {

ScoreSlide::Direction ScoreSlide::directionFor(double random01)
{
    const int n = std::clamp(static_cast<int>(std::floor(random01 * 4)) + 1, 1, 4);
    return static_cast<Direction>(n);
}

ScoreSlide::ScoreSlide(Direction direction, const QPoint& startTwips)
    : direction_(direction), position_(startTwips)
{
}

bool ScoreSlide::step()
{
    if (ended_) return true;
    switch (direction_) {
    case Direction::Up:
        position_.ry() -= kStepTwips;
        ended_ = position_.y() <= -kLimitTwips;
        break;
    case Direction::Down:
        position_.ry() += kStepTwips;
        ended_ = position_.y() >= kLimitTwips;
        break;
    case Direction::Left:
        position_.rx() -= kStepTwips;
        ended_ = position_.x() <= -kLimitTwips;
        break;
    case Direction::Right:
        position_.rx() += kStepTwips;
        ended_ = position_.x() >= kLimitTwips;
        break;
    }
    return ended_;
}

}  // namespace activity
