#pragma once

#include <cstdint>
#include <functional>
#include <vector>

namespace activity {

// Random values in [0, 1). An activity's game draws from one source for its
// whole run; tests inject a scripted or fixed-seed source.
using RandomSource = std::function<double()>;

// A source seeded once from the system's entropy.
RandomSource seededRandomSource();
// A source with a fixed seed (repeatable runs).
RandomSource seededRandomSource(std::uint64_t seed);

// Int(value * count): a whole number in 0..count-1 (0 when count < 1).
int below(double value, int count);

// Deals count items onto count places: item i, in turn, goes to the place
// below(random(), places left) among the places still free, in ascending
// order. One draw per item; entry i of the result is item i's place.
std::vector<int> drawPlaces(const RandomSource& random, int count);

}  // namespace activity
