#include "main/core/ticker/TickerTables.h"

#include <QtGlobal>

#include <algorithm>
#include <array>
#include <utility>

namespace ticker {

namespace {

constexpr int kHoldMsPerCharacter = 150;
constexpr int kLongestHoldMs = 59000;
constexpr int kLongTextPoints = 8;

// The longest length of each step and its size, shortest texts first.
constexpr std::array<std::pair<int, int>, 10> kPointsUpTo{{
    {20, 20}, {30, 18}, {49, 16}, {60, 15}, {70, 14}, {80, 13}, {100, 12}, {130, 11}, {160, 10}, {215, 9}}};

}  // namespace

int fontPointsFor(int length)
{
    if (length < 1) return kLongTextPoints;
    for (const auto& [longest, points] : kPointsUpTo)
        if (length <= longest) return points;
    return kLongTextPoints;
}

int holdMsFor(int length)
{
    const qint64 ms = qint64(std::max(length, 1)) * kHoldMsPerCharacter;
    return static_cast<int>(std::min<qint64>(ms, kLongestHoldMs));
}

int drawColourIndex(const platform::RandomSource& random)
{
    const int drawn = random.below(15);
    switch (drawn) {
    case 7:
    case 10:
    case 11:
    case 14: return 1;
    default: return drawn;
    }
}

}  // namespace ticker
