#include "activities/arcade/13popper/rules/Overlap.h"

#include <gtest/gtest.h>

using popper::overlaps;
using popper::layout::Piece;

TEST(Overlap, PiecesThatOnlyTouchDoNotOverlap)
{
    // a covers x 0..99 and y 0..99 with its last twip row and column left out.
    const Piece a{0, 0, 100, 100};
    struct Case {
        Piece b;
        bool expected;
    };
    const Case cases[] = {
        {{100, 0, 50, 50}, false},   // starts right after a
        {{99, 0, 50, 50}, false},    // on a's last column, which does not count
        {{98, 0, 50, 50}, true},     // one twip in
        {{0, 99, 50, 50}, false},    // the same below
        {{0, 98, 50, 50}, true},
        {{-50, -50, 51, 51}, false}, // its own right edge ends where a starts
        {{-50, -50, 52, 52}, true},
        {{20, 20, 10, 10}, true},    // inside
        {{-10, -10, 200, 200}, true},  // around
        {{50, 50, 1, 1}, false},     // a one-twip piece covers nothing
    };
    for (const Case& c : cases) {
        EXPECT_EQ(overlaps(a, c.b), c.expected) << c.b.left << "," << c.b.top << " " << c.b.width;
        EXPECT_EQ(overlaps(c.b, a), c.expected);
    }
}
