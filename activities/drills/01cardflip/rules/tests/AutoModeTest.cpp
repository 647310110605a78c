#include "activities/drills/01cardflip/rules/AutoMode.h"

#include <gtest/gtest.h>

using namespace cardflip;

TEST(AutoMode, OneStepRunsAtATime)
{
    AutoMode mode;
    EXPECT_FALSE(mode.beginStep()) << "no step while the cards are turned by hand";
    mode.toggle();
    const auto first = mode.beginStep();
    ASSERT_TRUE(first);
    EXPECT_FALSE(mode.beginStep()) << "a tick during a step's waits starts nothing";
    EXPECT_TRUE(mode.stands(*first));
    mode.endStep(*first);
    EXPECT_TRUE(mode.beginStep());
}

TEST(AutoMode, SwitchingOffDuringAStepStopsIt)
{
    AutoMode mode;
    mode.toggle();
    const auto old = mode.beginStep();
    ASSERT_TRUE(old);
    mode.toggle();
    EXPECT_FALSE(mode.stands(*old));
    mode.toggle();  // on again while the old step is still in its wait
    EXPECT_FALSE(mode.stands(*old));
    const auto fresh = mode.beginStep();
    ASSERT_TRUE(fresh);
    mode.endStep(*old);  // the old step returning must not end the new one
    EXPECT_TRUE(mode.stands(*fresh));
    EXPECT_FALSE(mode.beginStep());
}
