// Several activity programs saving into one user store at the same moment.
#include "ScoreFixture.h"
#include "SaverGroups.h"

#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>
#include <QThread>

#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>
#include <map>
#include <memory>

using platform::OpenMode;
using platform::Store;
using scorestest::kSaverGroups;
using scorestest::makeUserStore;

namespace {

constexpr int kSavers = 8;
constexpr int kSavesEach = 20;

QString groupScore(const platform::Row& row, bool byTime)
{
    return byTime ? row["textScore"].toText() : row["numberScore"].toText();
}

// Scores of a group as the store ranks them, best first.
QStringList storedScores(const Store& store, const scorestest::SaverGroup& group)
{
    QStringList result;
    const QString order = group.byTime ? "textScore" : "numberScore DESC";
    for (const platform::Row& row :
         store.query("SELECT numberScore, textScore FROM tblScores WHERE tActivity = ? AND tSubject = ? ORDER BY " + order,
                     {group.entry.activity, group.entry.subject}))
        result << groupScore(row, group.byTime);
    return result;
}

QStringList bestTen(QStringList handed, bool byTime)
{
    std::sort(handed.begin(), handed.end(), [byTime](const QString& a, const QString& b) {
        return byTime ? a < b : a.toLongLong() > b.toLongLong();
    });
    return handed.mid(0, scores::kKeptResults);
}

}  // namespace

TEST(ConcurrentSaves, EightProcessesSavingAtOnceLeaveEachGroupAsItsBestTen)
{
    const QString path = makeUserStore();
    std::vector<std::unique_ptr<QProcess>> savers;
    for (int i = 0; i < kSavers; ++i) {
        auto saver = std::make_unique<QProcess>();
        saver->start(SCORE_SAVER, {path, "burst", QString::number(7000 + i), QString::number(kSavesEach)});
        ASSERT_TRUE(saver->waitForStarted());
        savers.push_back(std::move(saver));
    }
    // "go" only once every saver has its store open, so that their saves overlap.
    for (auto& saver : savers) {
        while (!saver->canReadLine() && saver->waitForReadyRead(60000)) {
        }
        ASSERT_EQ(saver->readLine(), "ready\n") << saver->readAllStandardError().toStdString();
    }
    for (auto& saver : savers) saver->write("go\n");
    for (auto& saver : savers) saver->waitForBytesWritten();

    std::map<int, QStringList> handed;
    for (auto& saver : savers) {
        ASSERT_TRUE(saver->waitForFinished(60000));
        const QString errors = QString::fromUtf8(saver->readAllStandardError());
        EXPECT_EQ(saver->exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(saver->exitCode(), 0) << errors.toStdString();
        const QStringList lines = QString::fromUtf8(saver->readAllStandardOutput()).split('\n', Qt::SkipEmptyParts);
        EXPECT_EQ(lines.size(), kSavesEach) << errors.toStdString();
        for (const QString& line : lines) handed[line.section(' ', 0, 0).toInt()] << line.section(' ', 1);
    }

    const Store store = Store::open(path, OpenMode::ReadWrite);
    for (int g = 0; g < static_cast<int>(kSaverGroups.size()); ++g) {
        SCOPED_TRACE(kSaverGroups[g].entry.activity.toStdString() + " / " + kSaverGroups[g].entry.subject.toStdString());
        EXPECT_EQ(storedScores(store, kSaverGroups[g]), bestTen(handed[g], kSaverGroups[g].byTime));
    }
}

TEST(ConcurrentSaves, SaverKilledInTheMiddleOfASaveLeavesTheStoreReadable)
{
    const QString path = makeUserStore();
    const scorestest::SaverGroup& group = kSaverGroups[0];
    Store store = Store::open(path, OpenMode::ReadWrite);
    scorestest::addNumberRows(store, group.entry, {100, 90, 80, 70, 60, 50, 40, 30, 20, 10});
    const QStringList before = storedScores(store, group);
    {
        // A reader holds the store, so the saver's commit has to wait once its
        // change is written to the journal: that is where it is killed.
        platform::Transaction reading(store);
        store.query("SELECT count(*) FROM tblScores");
        QProcess saver;
        saver.start(SCORE_SAVER, {path, "once", "0", "500"});
        ASSERT_TRUE(saver.waitForStarted());
        const QString journal = path + "-journal";
        QElapsedTimer waited;
        waited.start();
        while (QFileInfo(journal).size() == 0 && waited.elapsed() < 4000 && saver.state() == QProcess::Running)
            QThread::msleep(2);
        ASSERT_GT(QFileInfo(journal).size(), 0) << saver.readAllStandardError().toStdString();
        ::kill(static_cast<pid_t>(saver.processId()), SIGKILL);
        ASSERT_TRUE(saver.waitForFinished(5000));
        EXPECT_EQ(saver.exitStatus(), QProcess::CrashExit);
    }
    store.close();

    Store after = Store::open(path, OpenMode::ReadWrite);
    EXPECT_EQ(after.query("PRAGMA integrity_check").at(0)[0].toText(), "ok");
    EXPECT_EQ(storedScores(after, group), before);

    const scores::SaveOutcome outcome = scores::saveNumberScore(after, group.entry, 500);
    EXPECT_TRUE(outcome.newRowId);
    EXPECT_EQ(outcome.rows.size(), 10u);
    EXPECT_EQ(outcome.rows.front().numberScore, 500);
}
