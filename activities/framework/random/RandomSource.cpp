#include "activities/framework/random/RandomSource.h"

#include <algorithm>
#include <memory>
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

}  // namespace activity
