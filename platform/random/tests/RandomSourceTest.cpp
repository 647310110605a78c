#include "platform/random/RandomSource.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <stdexcept>

using platform::RandomSource;

TEST(RandomSource, BelowKeepsEveryValueInsideTheRange)
{
    const struct {
        double value;
        int count;
        int expected;
    } cases[] = {
        {0.0, 4, 0}, {0.49, 4, 1}, {0.9999, 4, 3},
        // A source that strays outside [0, 1) still gives a valid index.
        {1.0, 4, 3}, {-0.5, 4, 0}, {0.5, 0, 0}, {0.5, -3, 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(RandomSource::scripted({c.value}).below(c.count), c.expected) << c.value << " of " << c.count;
}

TEST(RandomSource, AFixedSeedRepeatsItsValuesAndCopiesShareOneStream)
{
    const RandomSource a(42);
    const RandomSource b(42);
    const RandomSource aCopy = a;
    std::vector<double> drawn;
    for (int i = 0; i < 10; ++i) {
        drawn.push_back(i % 2 ? a.next() : aCopy.next());
        EXPECT_GE(drawn.back(), 0.0);
        EXPECT_LT(drawn.back(), 1.0);
    }
    for (double value : drawn)
        EXPECT_EQ(value, b.next());
}

TEST(RandomSource, ScriptedGivesItsValuesThenZeroAndAnEmptyFunctionIsRefused)
{
    const RandomSource script = RandomSource::scripted({0.25, 0.75});
    EXPECT_EQ(script.next(), 0.25);
    EXPECT_EQ(script.next(), 0.75);
    EXPECT_EQ(script.next(), 0.0);
    EXPECT_THROW(RandomSource::from({}), std::invalid_argument);
}

TEST(RandomSource, DrawPlacesTakesTheDrawnFreePlaceForEachItemInTurn)
{
    const struct {
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
    for (const auto& c : cases) {
        int draws = 0;
        std::size_t next = 0;
        const RandomSource counted = RandomSource::from([&] {
            ++draws;
            return next < c.values.size() ? c.values[next++] : 0.0;
        });
        EXPECT_EQ(platform::drawPlaces(counted, static_cast<int>(c.places.size())), c.places);
        EXPECT_EQ(draws, static_cast<int>(c.places.size()));  // one draw per item
    }
}

TEST(RandomSource, DrawUndealtTakesTheDrawnItemAmongThoseLeftAndMarksIt)
{
    const struct {
        std::vector<bool> dealt;
        double value;
        int expected;
    } cases[] = {
        {{false, false, false}, 0.0, 0},
        {{false, false, false}, 0.99, 2},
        // 0.5 of the two left ({0, 2}) is the second of them.
        {{false, true, false}, 0.5, 2},
        {{true, true, false}, 0.7, 2},
    };
    for (const auto& c : cases) {
        std::vector<bool> dealt = c.dealt;
        EXPECT_EQ(platform::drawUndealt(RandomSource::scripted({c.value}), dealt), c.expected) << c.value;
        std::vector<bool> marked = c.dealt;
        marked[static_cast<std::size_t>(c.expected)] = true;
        EXPECT_EQ(dealt, marked);
    }
    // Nothing left: no item and no draw.
    int draws = 0;
    const RandomSource counted = RandomSource::from([&] {
        ++draws;
        return 0.0;
    });
    std::vector<bool> all{true, true};
    EXPECT_EQ(platform::drawUndealt(counted, all), -1);
    std::vector<bool> none;
    EXPECT_EQ(platform::drawUndealt(counted, none), -1);
    EXPECT_EQ(draws, 0);
}

TEST(RandomSource, DrawPlacesGivesEveryPlaceOnce)
{
    std::vector<int> places = platform::drawPlaces(RandomSource(5), 10);
    std::sort(places.begin(), places.end());
    EXPECT_EQ(places, std::vector<int>({0, 1, 2, 3, 4, 5, 6, 7, 8, 9}));
}
