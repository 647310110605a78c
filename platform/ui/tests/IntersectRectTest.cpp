#include "platform/ui/IntersectRect.h"

#include <gtest/gtest.h>

using platform::ui::EdgeRect;
using platform::ui::intersectRect;

TEST(IntersectRect, RightAndBottomEdgesAreExclusive)
{
    struct Case {
        EdgeRect a;
        EdgeRect b;
        std::optional<EdgeRect> common;
    };
    const Case cases[] = {
        {{0, 0, 10, 10}, {5, 5, 15, 15}, EdgeRect{5, 5, 10, 10}},
        {{0, 0, 10, 10}, {10, 0, 20, 10}, std::nullopt},   // touching at the right edge
        {{0, 0, 10, 10}, {0, 10, 10, 20}, std::nullopt},   // touching at the bottom edge
        {{0, 0, 10, 10}, {9, 9, 20, 20}, EdgeRect{9, 9, 10, 10}},
        {{2, 2, 8, 8}, {0, 0, 10, 10}, EdgeRect{2, 2, 8, 8}},  // one inside the other
        {{0, 0, 0, 10}, {0, 0, 10, 10}, std::nullopt},     // empty rectangle
        {{5, 5, 1, 1}, {0, 0, 10, 10}, std::nullopt},      // inverted rectangle
        {{-5000, 300, -4000, 500}, {-4500, 0, 100, 400}, EdgeRect{-4500, 300, -4000, 400}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(intersectRect(c.a, c.b), c.common) << c.a.left << "," << c.a.top << " " << c.b.left << "," << c.b.top;
        EXPECT_EQ(intersectRect(c.b, c.a), c.common);
    }
}
