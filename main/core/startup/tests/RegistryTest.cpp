#include "main/core/startup/Registry.h"

#include "platform/settings/Settings.h"
#include "TestEnvironment.h"

#include <QFileInfo>

#include <gtest/gtest.h>

using namespace startup;

TEST(Registry, ProgramKeyNamesTheEditionsSettings)
{
    EXPECT_EQ(programKey("dvlfre"), "Software\\Dravolin\\dvlfre");
    Save_Reg_String(programKey("dvlfre"), "DateChecked", "2024-03-04");
    EXPECT_TRUE(QFileInfo::exists(testsupport::sandboxDir() + "/config/Dravolin/dvlfre.ini"));
    EXPECT_EQ(Get_Reg_String(programKey("dvlfre"), "DateChecked"), "2024-03-04");
    EXPECT_EQ(Get_Reg_String(programKey("dvlfre"), "Missing", "fallback"), "fallback");
    EXPECT_EQ(Get_Reg_String(programKey("dvlfre"), "Missing"), "");
}

TEST(Registry, FolderValueIsWrittenOnlyWhenItDiffersIgnoringLetterCase)
{
    const QString key = programKey("dvlfre");
    struct Step {
        QString folder;
        bool written;
        QString stored;
    };
    const std::vector<Step> steps{
        {"/opt/Lessondesk/", true, "/opt/Lessondesk/"},
        {"/OPT/lessondesk/", false, "/opt/Lessondesk/"},
        {"/opt/Lessondesk/", false, "/opt/Lessondesk/"},
        {"/opt/Lessondesk2/", true, "/opt/Lessondesk2/"},
        {"/home/straße/", true, "/home/straße/"},
        {"/HOME/STRAßE/", false, "/home/straße/"},
        {"/HOME/STRASSE/", true, "/HOME/STRASSE/"},
    };
    for (const Step& step : steps) {
        EXPECT_EQ(Record_Folder(key, "ProgramDir", step.folder), step.written) << step.folder.toStdString();
        EXPECT_EQ(Get_Reg_String(key, "ProgramDir"), step.stored) << step.folder.toStdString();
    }
}
