#include "activities/framework/startup/ActivityWindow.h"
#include "activities/framework/startup/StudyArgument.h"

#include <gtest/gtest.h>

TEST(StudyArgument, TheTrimmedArgumentNamesAFileOfTheTemporaryFolder)
{
    const QString folder = "/run/user/1/dravolin/";
    struct Case {
        QStringList arguments;
        std::optional<QString> path;
    };
    const std::vector<Case> cases{
        {{}, std::nullopt},                                 // no argument: the program ends silently
        {{""}, std::nullopt},
        {{"~dvl5150.txt"}, folder + "~dvl5150.txt"},
        {{"  ~dvl5150.txt "}, folder + "~dvl5150.txt"},
        {{"   "}, folder},                                  // blanks are not empty: the folder itself
        {{"~dvl", "5150.txt"}, folder + "~dvl 5150.txt"},   // the whole argument text
        {{"../../etc/passwd"}, folder},                     // never a file outside the folder
    };
    for (const Case& c : cases) {
        EXPECT_EQ(activity::studyListPath(folder, activity::wholeArgumentText(c.arguments)), c.path)
            << c.arguments.join("|").toStdString();
    }
}

TEST(StudyArgument, WindowCaptionJoinsProductActivityAndVersion)
{
    EXPECT_EQ(activity::ActivityWindow::windowCaption("T", "N", 1, 2, 3), "T - N 1.2.3");
}
