// The shipped captions of 05jumbler are worded so that a count of 1 reads right too.
#include "common/activityconfig/ActivityConfig.h"

#include "TestEnvironment.h"

#include <gtest/gtest.h>

TEST(JumblerContent, ThePhrasesLeftCaptionReadsRightAfterAnyCount)
{
    const QString store = testsupport::programDir() + "/Activities/05jumbler.cfg";
    // Caption 10 follows the number of phrases left, 1 included.
    EXPECT_EQ(activityconfig::readCaptions(store, "English")(10), "left to play");
    EXPECT_EQ(activityconfig::readCaptions(store, "Spanish")(10), "por jugar");
}
