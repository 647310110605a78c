// Cases with a second program (or connection) on the same store: a writer killed mid-transaction,
// a writer holding the lock, and a user who may not write the store's folder.
#include "OtherUser.h"
#include "StoreFixture.h"
#include "TestEnvironment.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>

#include <gtest/gtest.h>

using namespace platform;
using storetest::thrownBy;

namespace {

QStringList numberedTexts(int count)
{
    QStringList texts;
    for (int i = 0; i < count; ++i) texts << QString("row %1").arg(i);
    return texts;
}

// Starts the helper holding the write lock for holdMs; returns once it holds it.
void startLockHolder(QProcess& holder, const QString& path, int holdMs)
{
    holder.start(STORE_HELPER, {"hold", path, QString::number(holdMs)});
    ASSERT_TRUE(holder.waitForStarted(5000));
    while (!holder.canReadLine()) ASSERT_TRUE(holder.waitForReadyRead(5000)) << holder.readAllStandardError().data();
    ASSERT_EQ(holder.readLine().trimmed(), "locked");
}

}  // namespace

TEST(StoreRecovery, WriteOfAKilledWriterIsRolledBackOnReadWriteOpen)
{
    const QString path = testsupport::makeFolder("stores") + "Users.dat";
    storetest::makeTextStore(path, numberedTexts(100), 4096);
    const QByteArray before = testsupport::readFile(path);

    const auto crash = testutil::runProgram(STORE_HELPER, {"crash", path});
    ASSERT_TRUE(crash.finished) << crash.err.data();
    ASSERT_EQ(crash.exitCode, 0) << crash.err.data();
    ASSERT_TRUE(QFile::exists(path + "-journal")) << "the helper left no journal to roll back";
    ASSERT_NE(testsupport::readFile(path), before) << "the helper changed nothing in the file";

    Store store = Store::open(path, OpenMode::ReadWrite);
    EXPECT_EQ(store.query("SELECT count(*) FROM t WHERE tText = 'changed' OR tText = 'new'")[0][0].toInt(), 0);
    EXPECT_FALSE(QFile::exists(path + "-journal"));
    store.execute("INSERT INTO t (tText) VALUES ('after')");
    store.close();
    EXPECT_EQ(storetest::textsInStore(path), numberedTexts(100) << "after");
}

// A store and a second program that takes its write lock.
class StoreLocking : public ::testing::Test {
protected:
    void SetUp() override { storetest::makeTextStore(path, {"first"}); }
    void TearDown() override
    {
        holder.kill();
        holder.waitForFinished(5000);
    }

    const QString path = testsupport::makeFolder("stores") + "Users.dat";
    QProcess holder;
};

TEST_F(StoreLocking, WriterWaitsForALockReleasedInTime)
{
    startLockHolder(holder, path, 400);
    Store store = Store::open(path, OpenMode::ReadWrite);
    QElapsedTimer timer;
    timer.start();
    store.execute("INSERT INTO t (tText) VALUES ('mine')");
    EXPECT_GT(timer.elapsed(), 100);
    ASSERT_TRUE(holder.waitForFinished(5000));
    EXPECT_EQ(holder.exitCode(), 0);
    store.close();
    EXPECT_EQ(storetest::textsInStore(path), QStringList({"first", "held", "mine"}));
}

TEST_F(StoreLocking, WriterGivesUpWithBusyWhenTheLockOutlastsTheTimeout)
{
    startLockHolder(holder, path, 5000);
    Store store = Store::open(path, OpenMode::ReadWrite);
    store.setBusyTimeout(200);
    QElapsedTimer timer;
    timer.start();
    const StoreException e = thrownBy([&] { Transaction transaction(store, TransactionKind::Immediate); });
    EXPECT_LT(timer.elapsed(), 3000);
    EXPECT_EQ(e.code(), StoreError::Busy);
    EXPECT_TRUE(e.text().contains(path)) << e.what();
    EXPECT_TRUE(e.text().contains("another program")) << e.what();
    EXPECT_FALSE(store.inTransaction());
}

TEST(StoreLockingInProcess, AnOpenGivenNoBusyTimeoutReportsAStoreHeldExclusivelyAtOnce)
{
    // The waiting is left to the caller, who may let its windows run meanwhile.
    const QString path = testsupport::makeFolder("stores") + "Users.dat";
    storetest::makeTextStore(path, {"first"});
    Store holder = Store::open(path, OpenMode::ReadWrite);
    holder.execute("BEGIN EXCLUSIVE");
    QElapsedTimer timer;
    timer.start();
    const StoreException e = thrownBy([&] { Store::open(path, OpenMode::ReadWrite, 0); });
    EXPECT_LT(timer.elapsed(), 1000);
    EXPECT_EQ(e.code(), StoreError::Busy);
    holder.execute("COMMIT");
    EXPECT_EQ(Store::open(path, OpenMode::ReadWrite, 0).query("SELECT tText FROM t")[0][0].toText(), "first");
}

TEST(StoreReadOnlyFolder, OtherUserReadsButCannotWrite)
{
    const QString folder = testsupport::makeFolder("installed");
    const QString readOnlyStore = folder + "food.fre";
    const QString writableStore = folder + "Users.dat";
    storetest::makeTextStore(readOnlyStore, {"pain", "l'eau"});
    storetest::makeTextStore(writableStore, {"x"});
    QFile::setPermissions(readOnlyStore, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
    QFile::setPermissions(writableStore, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadOther | QFile::WriteOther);
    QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner | QFile::ReadOther | QFile::ExeOther);
    testutil::openToOtherUsers(folder);

    const auto read = testutil::runAsOtherUser(STORE_HELPER, {"read", readOnlyStore});
    ASSERT_TRUE(read.finished);
    EXPECT_EQ(read.exitCode, 0) << read.err.data();
    EXPECT_EQ(read.out, "pain\nl'eau\n");

    // A file that refuses writes, and a writable file whose folder cannot hold a journal.
    for (const QString& path : {readOnlyStore, writableStore}) {
        const auto write = testutil::runAsOtherUser(STORE_HELPER, {"write", path});
        ASSERT_TRUE(write.finished);
        EXPECT_EQ(write.exitCode, 1);
        EXPECT_TRUE(write.err.startsWith("read-only\n")) << write.err.data();
        EXPECT_TRUE(write.err.contains(path.toUtf8())) << write.err.data();
    }
    EXPECT_EQ(QDir(folder).entryList(QDir::Files).size(), 2);
}
