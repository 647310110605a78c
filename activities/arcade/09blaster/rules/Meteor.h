#pragma once

#include "activities/arcade/09blaster/rules/Raster.h"
#include "platform/random/RandomSource.h"

namespace blaster {

// The shooting star of the upper sky: a single bright pixel that streaks down
// and away, now and then.
class Meteor {
public:
    // One step: may start a meteor (one chance in 20), or moves the running one,
    // erasing its last pixel and setting the next.
    void step(Raster& raster, const platform::RandomSource& random);
    bool running() const { return running_; }

private:
    bool running_ = false;
    int length_ = 0;
    int x_ = 0;
    int y_ = 0;
    int dx_ = 0;
    int dy_ = 0;
    int steps_ = 0;
};

}  // namespace blaster
