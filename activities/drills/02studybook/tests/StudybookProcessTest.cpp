// The real 02studybook program started as the main program starts it, on a
// study list written by the real writer, then ended with SIGTERM.
#include "common/studylist/HandoffFiles.h"
#include "activities/framework/testkit/ActivityTestKit.h"
#include "main/core/shared/TempPath.h"

#include "TestEnvironment.h"

#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTest>

#include <gtest/gtest.h>

#include <csignal>
#include <map>

TEST(StudybookProgram, SigtermRemovesItsSoundCopiesAndLeavesTheMainProgramsFiles)
{
    const QString temp = shared::Get_Temp_Path();
    const QString userStore = testsupport::makeFolder("data") + "Users.dat";
    const activitytest::Launch launch = activitytest::writeLaunch(temp, 3, userStore);
    const std::map<QString, QByteArray> mainFiles = activitytest::fileContents(temp);
    ASSERT_EQ(mainFiles.size(), 4u);

    QProcess program;
    program.start(QStringLiteral(STUDYBOOK_EXECUTABLE), {launch.studyListName});
    ASSERT_TRUE(program.waitForStarted(10000));
    const qint64 pid = program.processId();

    // It has made its copies once they are all there; it then waits in its instruction window.
    QElapsedTimer waited;
    waited.start();
    auto copiesMade = [&] {
        for (int slot = 1; slot <= 3; ++slot)
            if (!QFile::exists(temp + studylist::soundFileName(pid, slot)))
                return false;
        return true;
    };
    while (!copiesMade() && waited.elapsed() < 15000 && program.state() == QProcess::Running)
        QTest::qWait(20);
    ASSERT_TRUE(copiesMade()) << program.readAllStandardError().toStdString();
    EXPECT_EQ(testsupport::readFile(temp + studylist::soundFileName(pid, 2)), activitytest::tinyWav(2));

    ::kill(static_cast<pid_t>(pid), SIGTERM);
    ASSERT_TRUE(program.waitForFinished(15000));
    EXPECT_EQ(program.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(program.exitCode(), 0);

    EXPECT_EQ(activitytest::fileContents(temp), mainFiles) << "only the main program's files are left, unchanged";
    EXPECT_FALSE(QFile::exists(userStore)) << "closing before a finish stores nothing";
}
