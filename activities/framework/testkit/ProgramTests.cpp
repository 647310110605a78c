// The tests every activity program has, compiled for each one by
// dvl_add_activity: its shipped configuration store, the window refusing a
// store short of the last caption row it reads, its window opening on a
// 1024 x 768 desktop, and the real program started as the main program starts
// it, then ended by SIGTERM.
#include DVL_ACTIVITY_WINDOW_HEADER
#include "activities/framework/testkit/ActivityTestKit.h"
#include "activities/framework/testkit/ActivityWindowTest.h"
#include "activities/framework/windows/FrameworkTexts.h"

#include "common/activityconfig/ActivityConfig.h"
#include "common/studylist/HandoffFiles.h"
#include "main/core/shared/TempPath.h"

#include "TestEnvironment.h"
#include "WindowPlacement.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QProcess>
#include <QScreen>
#include <QTest>

#include <gtest/gtest.h>

#include <csignal>

namespace {

const QString kProgram = QStringLiteral(DVL_ACTIVITY_PROGRAM);

}  // namespace

TEST(ShippedContent, EveryCaptionRowAndBothPanelPicturesInBothLanguages)
{
    const QString store = testsupport::programDir() + "/Activities/" + kProgram + ".cfg";
    EXPECT_EQ(activitytest::shippedConfigStoreProblems(store, DVL_ACTIVITY_LAST_CAPTION), QStringList());
}

class OlderConfigStore : public activitytest::ActivityWindowTest {};

TEST_F(OlderConfigStore, AStoreWithoutTheLastCaptionRowTheProgramReadsEndsItWithTheOlderVersionMessage)
{
    // The shipped store of an older program: one row short, every other row as shipped.
    const QString shipped = environment.appFolder + activityconfig::configStoreName(kProgram);
    const int rows = DVL_ACTIVITY_LAST_CAPTION - 1;
    environment.appFolder = testsupport::makeFolder("older");
    activitytest::makeConfigStore(environment.appFolder, kProgram,
                                  activityconfig::readCaptions(shipped, "English").rows().mid(0, rows),
                                  activityconfig::readCaptions(shipped, "Spanish").rows().mid(0, rows));

    DVL_ACTIVITY_WINDOW_CLASS window;
    EXPECT_FALSE(start(window, 3));
    EXPECT_EQ(endCodes, std::vector<int>{1});
    ASSERT_EQ(boxes.shown().size(), 1u);
    EXPECT_EQ(boxes.shown()[0].text, activity::olderVersionText(window.setup().olderVersionName));
    EXPECT_FALSE(window.isVisible());
    for (int slot = 1; slot <= 3; ++slot)
        EXPECT_FALSE(QFile::exists(copyPath(slot))) << slot;
}

// The window in-process, started on the longest list the main program writes.
using ProgramWindow = activitytest::ActivityWindowTest;

TEST_F(ProgramWindow, WithTenPhrasesACentredWindowOpensCentredOnTheScreenFrameIncludedAndWhollyOnIt)
{
    clock.setAutoAdvance(true);  // a game that waits as it starts does not hold the test
    DVL_ACTIVITY_WINDOW_CLASS window;
    if (window.setup().centring == activity::Centring::None) GTEST_SKIP() << "it keeps its design position";
    ASSERT_TRUE(start(window, 10));
    QCoreApplication::processEvents();

    ASSERT_EQ(window.screen()->geometry().size(), QSize(1024, 768)) << "the desktop the tests run on";
    ASSERT_NE(window.frameGeometry(), window.geometry()) << "the test screen frames its windows";
    testsupport::expectFrameCentredOnItsScreen(window);
}

TEST(RealProgram, SigtermDeletesItsSoundCopiesAndLeavesTheMainProgramsFilesUntouched)
{
    constexpr int kPhrases = 3;
    const QString temp = shared::Get_Temp_Path();
    const QString data = testsupport::makeFolder("data");
    const QString userStore = activitytest::makeUserStore(data);
    const activitytest::Launch launch = activitytest::writeLaunch(temp, kPhrases, userStore);
    const auto mainTempFiles = activitytest::fileContents(temp);
    const auto mainDataFiles = activitytest::fileContents(data);
    ASSERT_EQ(mainTempFiles.size(), std::size_t{kPhrases + 1});

    QProcess program;
    program.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    program.start(QStringLiteral(DVL_ACTIVITY_EXECUTABLE), {launch.studyListName});
    ASSERT_TRUE(program.waitForStarted(10000));
    const qint64 pid = program.processId();
    const auto copy = [&](int slot) { return temp + studylist::soundFileName(pid, slot); };

    // The program handles SIGTERM before it makes its first copy, so once the
    // last copy exists a SIGTERM closes it as closing its window does.
    const QDeadlineTimer deadline(20000);
    while (!QFile::exists(copy(kPhrases)) && !deadline.hasExpired() && program.state() == QProcess::Running)
        QTest::qWait(10);
    ASSERT_TRUE(QFile::exists(copy(kPhrases))) << "the program made no sound copies";
    EXPECT_EQ(testsupport::readFile(copy(1)), activitytest::tinyWav(1));

    ::kill(static_cast<pid_t>(pid), SIGTERM);
    ASSERT_TRUE(program.waitForFinished(15000));
    EXPECT_EQ(program.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(program.exitCode(), 0);

    for (int slot = 1; slot <= kPhrases; ++slot)
        EXPECT_FALSE(QFile::exists(copy(slot))) << slot;
    EXPECT_EQ(activitytest::fileContents(temp), mainTempFiles) << "only the main program's files, unchanged";
    EXPECT_EQ(activitytest::fileContents(data), mainDataFiles) << "closing before a finish stores nothing";
}
