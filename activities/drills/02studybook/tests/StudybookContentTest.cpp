// The configuration store the build ships for 02studybook holds every caption
// the activity shows, in both interface languages.
#include "activities/framework/testkit/ActivityTestKit.h"

#include "TestEnvironment.h"

#include <gtest/gtest.h>

TEST(StudybookContent, EveryCaptionRowAndBothPicturesInBothLanguages)
{
    const QString store = testsupport::programDir() + "/Activities/02studybook.cfg";
    EXPECT_EQ(activitytest::shippedConfigStoreProblems(store, 15), QStringList());
}
