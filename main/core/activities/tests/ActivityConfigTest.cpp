#include "main/core/activities/ActivityConfig.h"

#include "ActivityFolder.h"
#include "TestEnvironment.h"

#include <gtest/gtest.h>

#include <stdexcept>

using namespace activitypanel;
using namespace activitypanel::testing;

TEST(PanelActivityConfig, TheStoreIsNamedByTheProgramUpToItsFirstDot)
{
    EXPECT_EQ(configStorePath("/a/Activities/", "05jumbler"), "/a/Activities/05jumbler.cfg");
    EXPECT_EQ(configStorePath("/a/Activities/", "game.v2.bin"), "/a/Activities/game.cfg");
}

TEST(PanelActivityConfig, ReadsBothPicturesAndTheNameOfTheInterfaceLanguage)
{
    const QString folder = testsupport::makeFolder("Activities");
    addActivity(folder, {"05jumbler", "Letter Scramble", "Letras revueltas"});
    const QString store = folder + "05jumbler.cfg";

    const ActivityPictures english = readActivityPictures(store, "English");
    EXPECT_EQ(english.normal.pixelColor(5, 5), QColor(Qt::red));
    EXPECT_EQ(english.highlighted.pixelColor(5, 5), QColor(Qt::yellow));
    const ActivityPictures spanish = readActivityPictures(store, "Spanish");
    EXPECT_EQ(spanish.normal.pixelColor(5, 5), QColor(Qt::blue));
    EXPECT_EQ(spanish.highlighted.pixelColor(5, 5), QColor(Qt::green));

    EXPECT_EQ(readActivityName(store, "English"), "Letter Scramble");
    EXPECT_EQ(readActivityName(store, "Spanish"), "Letras revueltas");
    EXPECT_EQ(readActivityName(folder + "missing.cfg", "English"), "");
}

TEST(PanelActivityConfig, StoresWithoutUsablePicturesAreRefused)
{
    const QString folder = testsupport::makeFolder("Activities");
    addActivity(folder, {"good", "Good", "Bueno"});
    addActivity(folder, {"notapicture", "Broken", "Roto", "just text"});

    EXPECT_THROW(readActivityPictures(folder + "notapicture.cfg", "English"), std::runtime_error);
    EXPECT_THROW(readActivityPictures(folder + "missing.cfg", "English"), std::runtime_error);
    EXPECT_NO_THROW(readActivityPictures(folder + "good.cfg", "English"));
}
