#include "activities/framework/random/RandomSource.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

using namespace activity;

namespace {

// Gives the values in turn and counts the draws.
struct Scripted {
    std::vector<double> values;
    std::shared_ptr<int> draws = std::make_shared<int>(0);

    RandomSource source() const
    {
        return [values = values, draws = draws] { return values[static_cast<std::size_t>((*draws)++)]; };
    }
};

}  // namespace

TEST(RandomSource, BelowKeepsEveryValueInsideTheRange)
{
    EXPECT_EQ(below(0.0, 4), 0);
    EXPECT_EQ(below(0.49, 4), 1);
    EXPECT_EQ(below(0.9999, 4), 3);
    // A source that strays outside [0, 1) still gives a valid index.
    EXPECT_EQ(below(1.0, 4), 3);
    EXPECT_EQ(below(-0.5, 4), 0);
    EXPECT_EQ(below(0.5, 0), 0);
    EXPECT_EQ(below(0.5, -3), 0);
}

TEST(RandomSource, AFixedSeedRepeatsItsValues)
{
    const RandomSource a = seededRandomSource(42);
    const RandomSource b = seededRandomSource(42);
    for (int i = 0; i < 20; ++i) {
        const double value = a();
        EXPECT_EQ(value, b());
        EXPECT_GE(value, 0.0);
        EXPECT_LT(value, 1.0);
    }
}

TEST(RandomSource, DrawPlacesTakesTheDrawnFreePlaceForEachItemInTurn)
{
    struct Case {
        std::vector<double> values;
        std::vector<int> places;
    } cases[] = {
        {{0.0, 0.0, 0.0, 0.0}, {0, 1, 2, 3}},
        {{0.99, 0.99, 0.99, 0.99}, {3, 2, 1, 0}},
        // 0.5 of 4 free is place 2; of {0, 1, 3} the second is 1; of {0, 3}: 3; then 0.
        {{0.5, 0.5, 0.5, 0.5}, {2, 1, 3, 0}},
        {{0.3}, {0}},
        {{}, {}},
    };
    for (const Case& c : cases) {
        Scripted script{c.values};
        EXPECT_EQ(drawPlaces(script.source(), static_cast<int>(c.places.size())), c.places);
        EXPECT_EQ(*script.draws, static_cast<int>(c.places.size()));  // one draw per item
    }
}

TEST(RandomSource, DrawPlacesGivesEveryPlaceOnce)
{
    std::vector<int> places = drawPlaces(seededRandomSource(5), 10);
    std::sort(places.begin(), places.end());
    EXPECT_EQ(places, std::vector<int>({0, 1, 2, 3, 4, 5, 6, 7, 8, 9}));
}
