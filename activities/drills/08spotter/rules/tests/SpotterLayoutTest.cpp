#include "activities/drills/08spotter/rules/SpotterLayout.h"

#include <gtest/gtest.h>

using namespace spotter::layout;

TEST(SpotterLayoutTest, ArraysFormTwoColumnsOfRows)
{
    // Item i stands in column i mod 2 and row i div 2, for each of the three arrays.
    for (const QRect first : {kCard, kShadow, kFrame}) {
        const std::vector<QPoint> places = arrayPlaces(first.topLeft(), 10);
        ASSERT_EQ(places.size(), 10u);
        for (int i = 0; i < 10; ++i) {
            EXPECT_EQ(places[i], first.topLeft() + QPoint((i % 2) * 5650, (i / 2) * 1500)) << "item " << i;
        }
    }
    EXPECT_TRUE(arrayPlaces(kCard.topLeft(), 0).empty());
    EXPECT_EQ(arrayPlaces(kCard.topLeft(), 1), std::vector<QPoint>{QPoint(540, 390)});
}

TEST(SpotterLayoutTest, TenCardsAndTheirFramesFitAboveTheCounters)
{
    const std::vector<QPoint> shadows = arrayPlaces(kShadow.topLeft(), 10);
    const QRect lastShadow(shadows.back(), kShadow.size());
    EXPECT_LT(lastShadow.bottom(), kWrongHeading.top());
    EXPECT_LE(lastShadow.right(), kFormWidth);
    EXPECT_LE(kPercentage.right(), kFormWidth);
    EXPECT_LE(kWrongCount.bottom(), kFormHeight);
}
