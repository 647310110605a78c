// The real 05jumbler program on a launch written by the real writer: a SIGTERM
// while it waits for the learner ends it as closing its window does.
#include "JumblerLaunch.h"

#include "common/studylist/HandoffFiles.h"
#include "main/core/shared/TempPath.h"

#include "TestEnvironment.h"

#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>
#include <QThread>

#include <gtest/gtest.h>

#include <map>

TEST(ScrambleProgram, SigtermDeletesItsSoundCopiesAndLeavesTheMainProgramsFiles)
{
    const QString temp = shared::Get_Temp_Path();
    const activitytest::Launch launch =
        jumblertest::writeLaunch(temp, {"bonjour", "merci beaucoup"}, jumblertest::makeUserStore());
    const std::map<QString, QByteArray> mainFiles = activitytest::fileContents(temp);
    ASSERT_EQ(mainFiles.size(), 3u);

    QProcess program;
    program.setProcessChannelMode(QProcess::ForwardedChannels);
    program.start(jumblertest::activitiesFolder() + "05jumbler", {launch.studyListName});
    ASSERT_TRUE(program.waitForStarted(10000));
    const qint64 pid = program.processId();
    const auto copy = [&](int slot) { return temp + studylist::soundFileName(pid, slot); };

    // The copies exist once the study list is read; the program then waits in
    // its instruction window.
    QElapsedTimer waited;
    waited.start();
    while (!(QFileInfo::exists(copy(1)) && QFileInfo::exists(copy(2))) && waited.elapsed() < 15000 &&
           program.state() == QProcess::Running)
        QThread::msleep(20);
    ASSERT_TRUE(QFileInfo::exists(copy(1)) && QFileInfo::exists(copy(2)));
    QThread::msleep(300);

    program.terminate();
    ASSERT_TRUE(program.waitForFinished(10000));
    EXPECT_EQ(program.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(program.exitCode(), 0);

    EXPECT_FALSE(QFileInfo::exists(copy(1)));
    EXPECT_FALSE(QFileInfo::exists(copy(2)));
    EXPECT_EQ(activitytest::fileContents(temp), mainFiles);
}
