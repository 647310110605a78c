#include "activities/framework/random/RandomSource.h"

#include <algorithm>
#include <memory>
#include <numeric>
#include <random>

namespace activity {

RandomSource seededRandomSource(std::uint64_t seed)
{
    auto engine = std::make_shared<std::mt19937_64>(seed);
    return [engine] { return std::uniform_real_distribution<double>(0.0, 1.0)(*engine); };
}

RandomSource seededRandomSource() { return seededRandomSource((std::uint64_t(std::random_device{}()) << 32) ^ std::random_device{}()); }

int below(double value, int count)
{
    if (count < 1)
        return 0;
    // A source that strays outside [0, 1) still gives a valid index.
    return std::clamp(static_cast<int>(value * count), 0, count - 1);
}

std::vector<int> drawPlaces(const RandomSource& random, int count)
{
    std::vector<int> free(static_cast<std::size_t>(std::max(count, 0)));
    std::iota(free.begin(), free.end(), 0);
    std::vector<int> places;
    places.reserve(free.size());
    while (!free.empty()) {
        const int drawn = below(random(), static_cast<int>(free.size()));
        places.push_back(free[static_cast<std::size_t>(drawn)]);
        free.erase(free.begin() + drawn);
    }
    return places;
}

}  // namespace activity
