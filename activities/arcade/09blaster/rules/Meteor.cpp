#include "activities/arcade/09blaster/rules/Meteor.h"

namespace blaster {

void Meteor::step(Raster& raster, const platform::RandomSource& random)
{
    if (!running_) {
        if (random.below(20) != 1)
            return;
        running_ = true;
        length_ = random.below(100) + 50;
        x_ = random.below(500) + 50;
        y_ = random.below(150) + 30;
        dx_ = random.below(20) + 10;
        if (random.below(2) == 0)
            dx_ = -dx_;
        dy_ = random.below(20) + 5;
        steps_ = 0;
        return;
    }
    raster.setPixel(x_, y_, kNone);
    x_ += dx_;
    y_ += dy_;
    ++steps_;
    if (length_ < steps_ || y_ > 200) {
        running_ = false;
        return;
    }
    const int green = random.below(255);
    const int blue = random.below(255);
    raster.setPixel(x_, y_, opaque(255, green, blue));
}

}  // namespace blaster
