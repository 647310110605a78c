#include "platform/random/RandomSource.h"

#include <algorithm>
#include <memory>
#include <numeric>
#include <random>
#include <stdexcept>

namespace platform {

namespace {

std::function<double()> engineDraw(std::uint64_t seed)
{
    auto engine = std::make_shared<std::mt19937_64>(seed);
    return [engine] { return std::uniform_real_distribution<double>(0.0, 1.0)(*engine); };
}

std::uint64_t entropySeed()
{
    std::random_device device;
    return (std::uint64_t(device()) << 32) ^ device();
}

}  // namespace

RandomSource::RandomSource() : draw_(engineDraw(entropySeed())) {}

RandomSource::RandomSource(std::uint64_t seed) : draw_(engineDraw(seed)) {}

RandomSource::RandomSource(std::function<double()> draw, int) : draw_(std::move(draw)) {}

RandomSource RandomSource::from(std::function<double()> draw)
{
    if (!draw)
        throw std::invalid_argument("a random source needs a function to draw from");
    return RandomSource(std::move(draw), 0);
}

RandomSource RandomSource::scripted(std::vector<double> values)
{
    auto next = std::make_shared<std::size_t>(0);
    return from([values = std::move(values), next] { return *next < values.size() ? values[(*next)++] : 0.0; });
}

double RandomSource::next() const { return draw_(); }

int RandomSource::below(int count) const
{
    const double value = next();
    if (count < 1)
        return 0;
    return std::clamp(static_cast<int>(value * count), 0, count - 1);
}

std::vector<int> drawPlaces(const RandomSource& random, int count)
{
    std::vector<int> free(static_cast<std::size_t>(std::max(count, 0)));
    std::iota(free.begin(), free.end(), 0);
    std::vector<int> places;
    places.reserve(free.size());
    while (!free.empty()) {
        const int drawn = random.below(static_cast<int>(free.size()));
        places.push_back(free[static_cast<std::size_t>(drawn)]);
        free.erase(free.begin() + drawn);
    }
    return places;
}

}  // namespace platform
