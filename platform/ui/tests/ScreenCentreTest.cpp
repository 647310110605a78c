#include "platform/ui/ScreenCentre.h"

#include <gtest/gtest.h>

#include <vector>

TEST(ScreenCentre, HalvesTheDifferenceRoundingTowardsZero)
{
    struct Case {
        QSize screen, form;
        QPoint expected;
    };
    const std::vector<Case> cases{
        {{800, 800}, {400, 300}, {200, 250}},
        {{800, 800}, {800, 800}, {0, 0}},      // exactly the screen: top left
        {{801, 600}, {400, 301}, {200, 149}},  // odd differences round down
        {{800, 600}, {901, 700}, {-50, -50}},  // larger than the screen stays centred
    };
    for (const Case& c : cases) {
        EXPECT_EQ(platform::ui::centredTopLeft(c.screen, c.form), c.expected)
            << c.form.width() << "x" << c.form.height();
    }
}
