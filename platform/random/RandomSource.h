#pragma once

#include <cstdint>
#include <functional>
#include <vector>

namespace platform {

// Values in [0, 1) that a program draws from for its whole run. There is no empty
// source: one made without arguments is seeded once from the system's entropy, so
// whoever needs randomness takes a RandomSource by value. Copies share one stream,
// so a window and the game it owns never repeat each other's draws.
class RandomSource {
public:
    // Seeded once from the system's entropy.
    RandomSource();
    // Seeded with a fixed value: the same draws every run.
    explicit RandomSource(std::uint64_t seed);

    // Draws from a function of the caller's (an empty one throws std::invalid_argument).
    static RandomSource from(std::function<double()> draw);
    // The values in turn, then 0 for ever: tests script their draws with it.
    static RandomSource scripted(std::vector<double> values);

    // The next value in [0, 1).
    double next() const;
    // Int(next() * count): a whole number in 0..count-1 even when the source strays
    // outside [0, 1). Always one draw; 0 when count < 1.
    int below(int count) const;

private:
    explicit RandomSource(std::function<double()> draw, int);
    std::function<double()> draw_;
};

// Deals one of the items not yet dealt (false in dealt): the below(items left)-th
// of them in ascending order, which is then marked dealt. One draw; -1, and no
// draw, when every item is dealt.
int drawUndealt(const RandomSource& random, std::vector<bool>& dealt);

// One item of a list that is not empty, drawn with below(its size).
template <class T>
const T& drawFrom(const RandomSource& random, const std::vector<T>& items)
{
    return items[static_cast<std::size_t>(random.below(static_cast<int>(items.size())))];
}

// Deals count items onto count places: item i, in turn, goes to the place
// below(places left) among the places still free, in ascending order. One draw
// per item; entry i of the result is item i's place.
std::vector<int> drawPlaces(const RandomSource& random, int count);

}  // namespace platform
