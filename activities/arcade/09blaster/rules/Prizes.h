#pragma once

namespace blaster {

// Points for a shot that meets the UFO `distance` pixels from its centre:
// 100 at 32 or more, rising to 1000 below 1.
int ufoPoints(int distance);

// What a star gives: kind 1 to 5 is drawn for each star shot.
struct StarPrize {
    bool life = false;  // "+1": one more life
    int points = 0;     // otherwise these points
};
StarPrize starPrize(int kind, int lives);

}  // namespace blaster
