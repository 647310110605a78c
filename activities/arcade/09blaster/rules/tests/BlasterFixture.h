#pragma once

#include "activities/arcade/09blaster/rules/BlasterGame.h"

#include <QString>

#include <map>
#include <memory>
#include <vector>

namespace blaster::testing {

// Small synthetic pictures: every caption a 20 x 30 green block, except "~",
// whose glyph shows no pixel; a grey ship, a green UFO; the bases green only
// when asked for (otherwise a shot flies through them).
BlasterPictures syntheticPictures(bool greenBases = false);

// A game on the given (upper-case) phrases with a scripted random source, whose
// draws run out to 0: then letter i sits on invader i, bombs fall from the first
// live invader and no UFO or meteor appears.
struct BlasterFixture {
    explicit BlasterFixture(std::vector<QString> phrases, std::vector<double> draws = {}, bool greenBases = false);

    // Holds the formation still, puts the ship so that its shot rises 10 pixels
    // right of the invader's left edge, fires, and marches until the shot has
    // ended; false when it never did.
    bool shootAt(int invader);
    // Marches n ticks (fewer when the game leaves play).
    void march(int ticks);
    // Which sounds the steps so far asked for.
    std::vector<BlasterSound> sounds();

    BlasterGame game;
    std::vector<BlasterEvent> events;
};

}  // namespace blaster::testing
