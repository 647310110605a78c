#include "platform/ui/Twips.h"

#include <gtest/gtest.h>

using namespace platform::ui;

TEST(Twips, ConvertsAtTheGivenDpiRoundingHalvesAwayFromZero)
{
    struct Case {
        int twips;
        double dpi;
        int pixels;
    };
    const Case cases[] = {
        {15, 96, 1},    {0, 96, 0},     {1440, 96, 96}, {7, 96, 0},       {8, 96, 1},
        {22, 96, 1},    {23, 96, 2},    {-15, 96, -1},  {-10000, 96, -667}, {1440, 120, 120},
        {15, 144, 2},   {9765, 96, 651},
    };
    for (const Case& c : cases)
        EXPECT_EQ(twipsToPixels(c.twips, c.dpi), c.pixels) << c.twips << " twips at " << c.dpi;
    EXPECT_EQ(pixelsToTwips(1, 96), 15);
    EXPECT_EQ(pixelsToTwips(651, 96), 9765);
    EXPECT_EQ(pixelsToTwips(1, 120), 12);
    EXPECT_EQ(pixelsToTwips(-3, 96), -45);
}

TEST(Twips, UsesTheScreensLogicalDpi)
{
    // The offscreen screen has 96 dpi.
    ASSERT_DOUBLE_EQ(screenDpiX(), 96.0);
    EXPECT_EQ(twipsToPixels(QRect(225, 75, 630, 480)), QRect(15, 5, 42, 32));
    EXPECT_EQ(twipsToPixels(QSize(10005, 285)), QSize(667, 19));
    EXPECT_EQ(pixelsToTwips(QPoint(17, 144)), QPoint(255, 2160));
    // Each of left, top, width and height converts alone, so a rectangle keeps its size.
    EXPECT_EQ(twipsToPixels(QRect(8, 8, 15, 15)).size(), QSize(1, 1));
}
