#pragma once

#include <memory>
#include <random>

namespace subjects {

// Random values in [0, 1) for the random subject and the random mix. One source is
// seeded once and then drawn from, so quick clicks never repeat a draw.
class RandomSource {
public:
    virtual ~RandomSource() = default;
    virtual double next() = 0;

    // A whole number in 0..count-1 (Int(Rnd * count)); 0 when count < 1.
    int below(int count);
};

// The generator the program uses: seeded once from the system's entropy.
class SeededRandom final : public RandomSource {
public:
    SeededRandom();
    explicit SeededRandom(std::uint64_t seed);
    double next() override;

private:
    std::mt19937_64 engine_;
    std::uniform_real_distribution<double> unit_{0.0, 1.0};
};

}  // namespace subjects
