// The configuration store the build ships for 09blaster holds every caption the
// game shows, in both interface languages, and its two panel pictures.
#include "activities/framework/testkit/ActivityTestKit.h"

#include "TestEnvironment.h"

#include <gtest/gtest.h>

TEST(BlasterContent, EveryCaptionRowAndBothPicturesInBothLanguages)
{
    const QString store = testsupport::programDir() + "/Activities/09blaster.cfg";
    EXPECT_EQ(activitytest::shippedConfigStoreProblems(store, 11), QStringList());
}
