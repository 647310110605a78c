#include "main/core/subjects/RandomSource.h"

#include <algorithm>

namespace subjects {

int RandomSource::below(int count)
{
    if (count < 1) return 0;
    const int drawn = static_cast<int>(next() * count);
    return std::clamp(drawn, 0, count - 1);
}

SeededRandom::SeededRandom() : engine_(std::random_device{}()) {}

SeededRandom::SeededRandom(std::uint64_t seed) : engine_(seed) {}

double SeededRandom::next()
{
    return unit_(engine_);
}

}  // namespace subjects
