// The configuration store the build ships for 05jumbler holds every caption the
// activity shows, in both interface languages, worded so that a count of 1
// reads right too.
#include "JumblerLaunch.h"

#include "common/activityconfig/ActivityConfig.h"

#include <gtest/gtest.h>

TEST(JumblerContent, EveryCaptionRowAndBothPicturesInBothLanguages)
{
    const QString store = jumblertest::activitiesFolder() + "05jumbler.cfg";
    EXPECT_EQ(activitytest::shippedConfigStoreProblems(store, 13), QStringList());
    // Caption 10 follows the number of phrases left, 1 included.
    EXPECT_EQ(activityconfig::readCaptions(store, "English")(10), "left to play");
    EXPECT_EQ(activityconfig::readCaptions(store, "Spanish")(10), "por jugar");
}
