#include "activities/arcade/09blaster/rules/Prizes.h"

#include <gtest/gtest.h>

namespace blaster {
namespace {

TEST(BlasterPrizes, UfoPointsByDistanceFromItsCentre)
{
    const std::pair<int, int> table[] = {{0, 1000}, {1, 800}, {2, 700}, {3, 700}, {4, 500}, {7, 500}, {8, 400},
                                         {15, 400}, {16, 300}, {23, 300}, {24, 200}, {31, 200}, {32, 100}, {500, 100}};
    for (const auto& [distance, points] : table)
        EXPECT_EQ(ufoPoints(distance), points) << "distance " << distance;
}

TEST(BlasterPrizes, StarsGiveALifeUntilTenThenPoints)
{
    struct Case {
        int kind, lives;
        bool life;
        int points;
    } cases[] = {{1, 3, true, 0}, {1, 9, true, 0}, {1, 10, false, 35}, {2, 3, false, 50},
                 {3, 3, false, 75}, {4, 10, false, 100}, {5, 1, false, 125}};
    for (const Case& c : cases) {
        const StarPrize prize = starPrize(c.kind, c.lives);
        EXPECT_EQ(prize.life, c.life) << c.kind << "/" << c.lives;
        EXPECT_EQ(prize.points, c.points) << c.kind << "/" << c.lives;
    }
}

}  // namespace
}  // namespace blaster
