#include "platform/random/RandomSource.h"

#include <algorithm>
#include <memory>
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

int drawUndealt(const RandomSource& random, std::vector<bool>& dealt)
{
    const auto left = static_cast<int>(std::count(dealt.begin(), dealt.end(), false));
    if (left == 0) return -1;
    int k = random.below(left);
    for (std::size_t i = 0; i < dealt.size(); ++i) {
        if (!dealt[i] && k-- == 0) {
            dealt[i] = true;
            return static_cast<int>(i);
        }
    }
    return -1;  // not reached: k < left
}

std::vector<int> drawPlaces(const RandomSource& random, int count)
{
    std::vector<bool> taken(static_cast<std::size_t>(std::max(count, 0)), false);
    std::vector<int> places;
    places.reserve(taken.size());
    for (std::size_t item = 0; item < taken.size(); ++item) places.push_back(drawUndealt(random, taken));
    return places;
}

}  // namespace platform
