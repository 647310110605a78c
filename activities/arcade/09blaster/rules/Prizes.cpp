#include "activities/arcade/09blaster/rules/Prizes.h"

#include "activities/arcade/09blaster/rules/BlasterLayout.h"

namespace blaster {

int ufoPoints(int distance)
{
    struct Band {
        int below;
        int factor;
    };
    static constexpr Band bands[] = {{1, 10}, {2, 8}, {4, 7}, {8, 5}, {16, 4}, {24, 3}, {32, 2}};
    for (const Band& band : bands)
        if (distance < band.below)
            return 100 * band.factor;
    return 100;
}

StarPrize starPrize(int kind, int lives)
{
    if (kind == 1)
        return lives < layout::kMostLives ? StarPrize{true, 0} : StarPrize{false, 35};
    return StarPrize{false, kind * 25};
}

}  // namespace blaster
