// The probe activity started as the main program starts an activity: a study
// list written by the real writer in the private temporary folder, one argument.
#include "ProbeLaunch.h"

#include "activities/framework/scores/SaveScore.h"
#include "common/studylist/HandoffFiles.h"
#include "platform/store/Store.h"

#include "TestEnvironment.h"

#include <QElapsedTimer>
#include <QFileInfo>
#include <QRegularExpression>
#include <QThread>

#include <gtest/gtest.h>

#include <csignal>
#include <map>

class FrameworkProbeSignal : public ::testing::TestWithParam<int> {};

TEST_P(FrameworkProbeSignal, CopiesItsSoundsShowsItsInstructionsAndOnTheSignalDeletesOnlyItsCopies)
{
    ProbeLaunch probe(FRAMEWORK_PROBE, testsupport::sandboxDir() + "/program");
    const auto launch = probe.writeLaunch(4, {3});  // slot 3's sound is missing: it still studies
    const auto mainFiles = activitytest::fileContents(probe.tempFolder());
    const QByteArray userStore = testsupport::readFile(probe.userStore());

    ASSERT_TRUE(probe.start(launch.studyListName));
    const QString shown = probe.waitForLine("INSTRUCTIONS ");
    ASSERT_EQ(shown, "INSTRUCTIONS Lessondesk French - Probe 1.0.0") << probe.lines().join("\n").toStdString();

    const qint64 pid = probe.process().processId();
    for (int slot : {1, 2, 4}) {
        EXPECT_EQ(testsupport::readFile(probe.tempFolder() + studylist::soundFileName(pid, slot)),
                  activitytest::tinyWav(slot));
    }
    EXPECT_FALSE(QFileInfo::exists(probe.tempFolder() + studylist::soundFileName(pid, 3)));

    ::kill(static_cast<pid_t>(pid), GetParam());  // as closing the main window
    ASSERT_TRUE(probe.process().waitForFinished(10000));
    EXPECT_EQ(probe.process().exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(probe.process().exitCode(), 0);
    // The copies are gone, the main program's files as they were.
    EXPECT_EQ(activitytest::fileContents(probe.tempFolder()), mainFiles);
    EXPECT_EQ(testsupport::readFile(probe.userStore()), userStore);
}

INSTANTIATE_TEST_SUITE_P(FrameworkProbe, FrameworkProbeSignal, ::testing::Values(SIGTERM, SIGINT),
                         [](const auto& info) { return info.param == SIGTERM ? "SIGTERM" : "SIGINT"; });

TEST(FrameworkProbe, AScoreItSavesIsKeptAmongTheBestTenAndShownSelected)
{
    ProbeLaunch probe(FRAMEWORK_PROBE, testsupport::sandboxDir() + "/program");
    {
        platform::Store store = platform::Store::open(probe.userStore(), platform::OpenMode::ReadWrite);
        for (int score = 10; score <= 100; score += 10) {
            scores::saveNumberScore(store, {"Bo Lee", "Colours", "Probe"}, score);
        }
    }
    const auto launch = probe.writeLaunch(2);
    const auto mainFiles = activitytest::fileContents(probe.tempFolder());

    ASSERT_TRUE(probe.start(launch.studyListName, {"DVL_PROBE_SCORE=55"}));
    ASSERT_TRUE(probe.process().waitForFinished(20000));
    EXPECT_EQ(probe.process().exitCode(), 0);
    probe.waitForLine("SCORE 10|");
    QStringList scores = probe.lines().filter(QRegularExpression("^SCORE "));
    ASSERT_EQ(scores.size(), 10) << probe.lines().join("\n").toStdString();
    EXPECT_EQ(scores[5], "SCORE 6|Ana Diaz|55 points|*");
    EXPECT_EQ(scores[9], "SCORE 10|Bo Lee|20 points");  // the lowest, 10, made room
    EXPECT_EQ(scores.filter("|*").size(), 1);

    const auto rows = platform::Store::open(probe.userStore(), platform::OpenMode::ReadOnly)
                          .query("SELECT COUNT(*), MIN(numberScore) FROM tblScores WHERE tActivity = 'Probe'");
    EXPECT_EQ(rows[0][0].toInt(), 10);
    EXPECT_EQ(rows[0][1].toInt(), 20);
    EXPECT_EQ(activitytest::fileContents(probe.tempFolder()), mainFiles);
}

TEST(FrameworkProbe, ASigtermWhileItsResultWaitsForALockedStoreEndsItWithinASecondWithNothingWritten)
{
    ProbeLaunch probe(FRAMEWORK_PROBE, testsupport::sandboxDir() + "/program");
    const auto launch = probe.writeLaunch(2);
    const auto mainFiles = activitytest::fileContents(probe.tempFolder());
    const QByteArray userStore = testsupport::readFile(probe.userStore());
    platform::Store holder = platform::Store::open(probe.userStore(), platform::OpenMode::ReadWrite);
    holder.execute("BEGIN EXCLUSIVE");  // another program writing to it

    ASSERT_TRUE(probe.start(launch.studyListName, {"DVL_PROBE_SCORE=55"}));
    ASSERT_EQ(probe.waitForLine("SAVING"), "SAVING") << probe.lines().join("\n").toStdString();
    QThread::msleep(500);  // the result is waiting for the store now
    ASSERT_EQ(probe.process().state(), QProcess::Running);
    QElapsedTimer ending;
    ending.start();
    ::kill(static_cast<pid_t>(probe.process().processId()), SIGTERM);
    ASSERT_TRUE(probe.process().waitForFinished(10000));
    EXPECT_LT(ending.elapsed(), 1000);
    EXPECT_EQ(probe.process().exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(probe.process().exitCode(), 0);

    holder.execute("ROLLBACK");
    holder.close();
    EXPECT_EQ(testsupport::readFile(probe.userStore()), userStore);
    EXPECT_EQ(activitytest::fileContents(probe.tempFolder()), mainFiles);
}

TEST(FrameworkProbe, AResultThatWaitedForALockedStoreIsStoredAndItsScoreWindowAnswered)
{
    ProbeLaunch probe(FRAMEWORK_PROBE, testsupport::sandboxDir() + "/program");
    const auto launch = probe.writeLaunch(2);
    platform::Store holder = platform::Store::open(probe.userStore(), platform::OpenMode::ReadWrite);
    holder.execute("BEGIN EXCLUSIVE");

    ASSERT_TRUE(probe.start(launch.studyListName, {"DVL_PROBE_SCORE=55"}));
    ASSERT_EQ(probe.waitForLine("SAVING"), "SAVING") << probe.lines().join("\n").toStdString();
    QThread::msleep(1200);  // the result has been refused and is waiting for the store
    ASSERT_EQ(probe.process().state(), QProcess::Running);
    holder.execute("ROLLBACK");
    holder.close();

    // It goes on by itself: the score window is shown, answered, and the probe ends.
    ASSERT_TRUE(probe.process().waitForFinished(20000)) << probe.lines().join("\n").toStdString();
    EXPECT_EQ(probe.process().exitCode(), 0);
    probe.waitForLine("SCORE ");
    EXPECT_EQ(probe.lines().filter(QRegularExpression("^SCORE ")), QStringList({"SCORE 1|Ana Diaz|55 points|*"}));
    const auto rows = platform::Store::open(probe.userStore(), platform::OpenMode::ReadOnly)
                          .query("SELECT numberScore FROM tblScores");
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0][0].toInt(), 55);
}
