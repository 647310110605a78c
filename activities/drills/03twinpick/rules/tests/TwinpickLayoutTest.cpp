#include "activities/drills/03twinpick/rules/TwinpickLayout.h"

#include <gtest/gtest.h>

using namespace twinpick::layout;

TEST(TwinpickLayoutTest, CardsStandInRowsOfFour)
{
    for (int phrases = 1; phrases <= 10; ++phrases) {
        const std::vector<QPoint> places = cardPlaces(2 * phrases);
        ASSERT_EQ(places.size(), static_cast<std::size_t>(2 * phrases));
        for (int i = 0; i < 2 * phrases; ++i) {
            EXPECT_EQ(places[i], QPoint(1000 + (i % 4) * 2500, 600 + (i / 4) * 1500))
                << "card " << i << " of " << 2 * phrases;
        }
    }
}

TEST(TwinpickLayoutTest, TwentyCardsFitAboveTheBar)
{
    const std::vector<QPoint> places = cardPlaces(20);
    const QRect last(places.back(), kFirstCard.size());
    EXPECT_EQ(last.topLeft(), QPoint(8500, 6600));  // five rows of four
    EXPECT_LT(last.bottom(), kBarTop);
    EXPECT_LE(last.right(), kFormWidth);
    EXPECT_LE(kEffectsToggle.right(), kFormWidth);
    EXPECT_LE(kTimer.bottom(), kFormHeight);
}
