#pragma once

#include <QPoint>

#include <functional>

namespace activity {

// The score window's way out: once OK is pressed it moves 200 twips a tick in
// one of four directions until it is 10000 twips beyond the top or left of the
// screen (up, left) or its top or left has reached 10000 twips (down, right).
// The slide keeps its own position rather than reading the window's, which a
// window manager may hold back at the screen's edge, so it always ends.
class ScoreSlide {
public:
    enum class Direction { Up = 1, Down = 2, Left = 3, Right = 4 };

    static constexpr int kStepTwips = 200;
    static constexpr int kLimitTwips = 10000;

    // The direction for a random value in [0, 1): whole part of value x 4, plus 1.
    static Direction directionFor(double random01);

    ScoreSlide(Direction direction, const QPoint& startTwips);

    // Moves one step; true when the slide has ended (the window closes then).
    bool step();

    Direction direction() const { return direction_; }
    QPoint positionTwips() const { return position_; }
    bool ended() const { return ended_; }

private:
    Direction direction_;
    QPoint position_;
    bool ended_ = false;
};

}  // namespace activity
