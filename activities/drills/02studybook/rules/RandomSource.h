#pragma once

#include <cstdint>
#include <functional>

namespace studybook {

// Random values in [0, 1). The game draws from one source for its whole run.
using RandomSource = std::function<double()>;

// A source seeded once from the system's entropy.
RandomSource seededRandomSource();
// A source with a fixed seed (repeatable runs).
RandomSource seededRandomSource(std::uint64_t seed);

// Int(value * count): a whole number in 0..count-1 (0 when count < 1).
int below(double value, int count);

}  // namespace studybook
