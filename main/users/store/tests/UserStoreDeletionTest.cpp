#include "main/users/store/UserStoreDeletion.h"

#include "UserStoreFixture.h"
#include "TestEnvironment.h"
#include "platform/store/Store.h"

#include <QFileInfo>

#include <gtest/gtest.h>

namespace users {
namespace {

using platform::Store;

TEST(DeleteUserStore, RemovesTheStoreAndItsJournal)
{
    const QString store = testing::makeDataFolderWithStore() + "Users.dat";
    const QString journal = Store::journalPath(store);
    testsupport::writeFile(journal, "stale");

    deleteUserStore(store);

    EXPECT_FALSE(QFileInfo::exists(store));
    EXPECT_FALSE(QFileInfo::exists(journal));
    // Gone already: nothing left to do.
    EXPECT_NO_THROW(deleteUserStore(store));
}

TEST(DeleteUserStore, AStoreInUseElsewhereIsReportedAndKept)
{
    const QString store = testing::makeDataFolderWithStore() + "Users.dat";
    Store saver = Store::open(store, platform::OpenMode::ReadWrite);
    platform::Transaction saving(saver, platform::TransactionKind::Immediate);
    saver.execute("INSERT INTO tblScores (tName) VALUES ('Ana Ruiz')");

    try {
        deleteUserStore(store, 0);
        FAIL() << "deleted while in use";
    } catch (const platform::StoreException& error) {
        EXPECT_EQ(error.code(), platform::StoreError::Busy);
    }
    EXPECT_TRUE(QFileInfo::exists(store));
    EXPECT_TRUE(QFileInfo::exists(Store::journalPath(store)));
    saving.commit();
    EXPECT_EQ(saver.query("SELECT * FROM tblScores").size(), 1u);
}

}  // namespace
}  // namespace users
