#include "UserStoreFixture.h"

#include "OtherUser.h"
#include "TestEnvironment.h"
#include "main/users/store/UserStore.h"
#include "main/users/store/UserStoreLoader.h"
#include "platform/store/Store.h"
#include "common/schema/Schema.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

namespace users {
namespace {

using namespace users::testing;
using testsupport::readFile;
using testsupport::writeFile;

const QDate kToday(2024, 3, 5);

LoadOptions quickOptions()
{
    LoadOptions options;
    options.today = kToday;
    options.busyTimeoutMs = 100;
    return options;
}

QStringList filesIn(const QString& folder)
{
    return QDir(folder).entryList(QDir::Files | QDir::Hidden, QDir::Name);
}

void setMode(const QString& path, mode_t mode)
{
    ASSERT_EQ(::chmod(QFile::encodeName(path).constData(), mode), 0);
}

void giveToOtherUser(const QString& path)
{
    if (::geteuid() == 0) {
        ASSERT_EQ(::chown(QFile::encodeName(path).constData(), 65534, 65534), 0);
    }
}

TEST(UserStoreLoader, MissingStoreIsMadeFromTheTemplate)
{
    const QString program = makeProgramFolder();
    const QString data = testsupport::makeFolder("data");

    const LoadResult first = loadUsers(data, program, quickOptions());
    EXPECT_EQ(first.outcome, LoadOutcome::Created) << first.errorText.toStdString();
    EXPECT_TRUE(first.ok());
    EXPECT_EQ(first.storePath, data + "Users.dat");
    EXPECT_TRUE(first.users.empty());
    EXPECT_EQ(readFile(data + "Users.dat"), readFile(program + "Dravolin.tpl"));
    EXPECT_EQ(filesIn(data), QStringList{"Users.dat"});

    // A user can be created at once, and the next start opens the same store.
    UserStore(first.storePath).addUser(profile("Ana", "Ruiz"));
    const LoadResult second = loadUsers(data, program, quickOptions());
    EXPECT_EQ(second.outcome, LoadOutcome::Opened);
    ASSERT_EQ(second.users.size(), 1u);
    EXPECT_EQ(second.users[0].displayName(), QStringLiteral("Ana Ruiz"));
}

TEST(UserStoreLoader, ReadOnlyTemplateGivesAStoreItsUserCanWrite)
{
    const QString program = makeProgramFolder();
    setMode(program + "Dravolin.tpl", 0444);
    const QString data = testsupport::makeFolder("data");
    giveToOtherUser(data);
    platform::testutil::openToOtherUsers(program);
    platform::testutil::openToOtherUsers(data);

    const auto load = platform::testutil::runAsOtherUser(USERSTORE_PROBE, {"load", data, program});
    ASSERT_TRUE(load.finished) << load.err.toStdString();
    EXPECT_TRUE(load.out.startsWith("Created\t")) << load.out.toStdString();
    struct stat info {};
    ASSERT_EQ(::stat(QFile::encodeName(data + "Users.dat").constData(), &info), 0);
    EXPECT_TRUE(info.st_mode & S_IWUSR);

    const auto add = platform::testutil::runAsOtherUser(USERSTORE_PROBE, {"add", data + "Users.dat"});
    EXPECT_EQ(add.out, QByteArray("added\n")) << add.err.toStdString();
    EXPECT_EQ(UserStore(data + "Users.dat").listUsers().size(), 1u);
}

TEST(UserStoreLoader, NoTemplateOrNoWritableFolderCannotCreate)
{
    const QString data = testsupport::makeFolder("data");
    const LoadResult noTemplate = loadUsers(data, testsupport::makeFolder("empty"), quickOptions());
    EXPECT_EQ(noTemplate.outcome, LoadOutcome::CannotCreate);
    EXPECT_FALSE(noTemplate.errorText.isEmpty());
    EXPECT_TRUE(filesIn(data).isEmpty());

    const QString program = makeProgramFolder();
    const QString locked = testsupport::makeFolder("locked");
    setMode(locked, 0555);
    platform::testutil::openToOtherUsers(program);
    platform::testutil::openToOtherUsers(locked);
    const auto load = platform::testutil::runAsOtherUser(USERSTORE_PROBE, {"load", locked, program});
    EXPECT_TRUE(load.out.startsWith("CannotCreate\t")) << load.out.toStdString();
    EXPECT_TRUE(filesIn(locked).isEmpty());
}

TEST(UserStoreLoader, DamagedTemplateLeavesNoCopyBehind)
{
    const QString program = testsupport::makeFolder("program");
    writeFile(program + "Dravolin.tpl", QByteArray(4096, 'x'));
    const QString data = testsupport::makeFolder("data");

    for (int start = 0; start < 2; ++start) {
        const LoadResult result = loadUsers(data, program, quickOptions());
        EXPECT_EQ(result.outcome, LoadOutcome::CannotCreate);
        EXPECT_TRUE(result.errorText.contains("Dravolin.tpl")) << result.errorText.toStdString();
    }
    EXPECT_TRUE(filesIn(data).isEmpty());
}

// Files that are not user stores: each is renamed aside whole and reported; the
// next start makes a fresh store.
TEST(UserStoreLoader, NotAUserStoreIsSetAsideAndTheNextStartMakesAFreshOne)
{
    const auto storeWith = [](void (*layout)(platform::Store&)) {
        const QString scratch = testsupport::sandboxDir() + "/scratch.db";
        QFile::remove(scratch);
        {
            platform::Store store = platform::Store::create(scratch);
            layout(store);
        }
        return readFile(scratch);
    };
    struct Case {
        const char* what;
        QByteArray bytes;
    };
    const Case cases[] = {
        {"not a database", QByteArray("These are the notes of a learner, not a store.\n").repeated(100)},
        {"zero bytes", QByteArray()},
        {"no user tables", storeWith([](platform::Store& s) { schema::createCustomStore(s); })},
        {"a column missing", storeWith([](platform::Store& s) {
             s.executeScript("CREATE TABLE tblUsers (pkStudentID INTEGER PRIMARY KEY, tFirstname TEXT,"
                             " tLastname TEXT, tPassword TEXT);"
                             "CREATE TABLE tblScores (pkScoreID INTEGER PRIMARY KEY, tName TEXT,"
                             " numberScore INTEGER, textScore TEXT, nDate TEXT, nTime TEXT,"
                             " tSubject TEXT, tActivity TEXT);");
         })},
    };
    const QString program = makeProgramFolder();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const QString data = testsupport::makeFolder(QString("data-%1").arg(c.what).replace(' ', '-'));
        writeFile(data + "Users.dat", c.bytes);

        const LoadResult damaged = loadUsers(data, program, quickOptions());
        EXPECT_EQ(damaged.outcome, LoadOutcome::SetAside) << outcomeName(damaged.outcome);
        EXPECT_FALSE(damaged.ok());
        EXPECT_FALSE(damaged.errorText.isEmpty());
        EXPECT_EQ(damaged.setAsidePath, data + "Users.dat.bad-2024-03-05");
        EXPECT_EQ(readFile(damaged.setAsidePath), c.bytes);
        EXPECT_EQ(filesIn(data), QStringList{"Users.dat.bad-2024-03-05"});

        const LoadResult fresh = loadUsers(data, program, quickOptions());
        EXPECT_EQ(fresh.outcome, LoadOutcome::Created);
        EXPECT_EQ(readFile(data + "Users.dat"), readFile(program + "Dravolin.tpl"));
        EXPECT_EQ(readFile(damaged.setAsidePath), c.bytes);
    }
}

TEST(UserStoreLoader, SetAsideNeverOverwritesAnEarlierOneAndTakesItsJournalAlong)
{
    const QString data = testsupport::makeFolder("data");
    writeFile(data + "Users.dat.bad-2024-03-05", "earlier");
    writeFile(data + "Users.dat.bad-2024-03-05-2-journal", "earlier journal");
    const QByteArray garbage = QByteArray("garbage ").repeated(600);
    writeFile(data + "Users.dat", garbage);
    writeFile(data + "Users.dat-journal", QByteArray(512, '\0'));

    const LoadResult result = loadUsers(data, makeProgramFolder(), quickOptions());
    EXPECT_EQ(result.outcome, LoadOutcome::SetAside);
    EXPECT_EQ(result.setAsidePath, data + "Users.dat.bad-2024-03-05-3");
    EXPECT_EQ(readFile(data + "Users.dat.bad-2024-03-05"), QByteArray("earlier"));
    EXPECT_EQ(readFile(data + "Users.dat.bad-2024-03-05-2-journal"), QByteArray("earlier journal"));
    EXPECT_EQ(readFile(result.setAsidePath), garbage);
    EXPECT_FALSE(QFileInfo::exists(data + "Users.dat"));
    EXPECT_FALSE(QFileInfo::exists(data + "Users.dat-journal"));
}

TEST(UserStoreLoader, BusyStoreIsReportedAndLeftAlone)
{
    const QString data = makeDataFolderWithStore();
    UserStore(data + "Users.dat").addUser(profile("Ana", "Ruiz"));
    const QByteArray before = readFile(data + "Users.dat");

    platform::Store other = platform::Store::open(data + "Users.dat", platform::OpenMode::ReadWrite);
    platform::Transaction writing(other, platform::TransactionKind::Immediate);
    other.execute("UPDATE tblUsers SET tFirstname = 'Eva'");

    const LoadResult result = loadUsers(data, makeProgramFolder(), quickOptions());
    EXPECT_EQ(result.outcome, LoadOutcome::Unreadable) << outcomeName(result.outcome);
    EXPECT_TRUE(result.users.empty());
    EXPECT_FALSE(result.errorText.isEmpty());
    EXPECT_EQ(readFile(data + "Users.dat"), before);
    EXPECT_FALSE(QFileInfo::exists(data + "Users.dat.bad-2024-03-05"));
}

TEST(UserStoreLoader, ReadOnlyStoreOrFolderIsReportedAndLeftAlone)
{
    const QString program = makeProgramFolder();
    platform::testutil::openToOtherUsers(program);
    struct Case {
        const char* what;
        mode_t fileMode;
        mode_t folderMode;
    };
    const Case cases[] = {
        {"read-only file", 0444, 0755},
        {"read-only folder", 0644, 0555},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const QString data = makeDataFolderWithStore(QString(c.what).replace(' ', '-'));
        UserStore(data + "Users.dat").addUser(profile("Ana", "Ruiz"));
        const QByteArray before = readFile(data + "Users.dat");
        giveToOtherUser(data + "Users.dat");
        giveToOtherUser(data);
        setMode(data + "Users.dat", c.fileMode);
        setMode(data, c.folderMode);
        platform::testutil::openToOtherUsers(data);

        const auto load = platform::testutil::runAsOtherUser(USERSTORE_PROBE, {"load", data, program});
        ASSERT_TRUE(load.finished) << load.err.toStdString();
        EXPECT_TRUE(load.out.startsWith("Unreadable\t")) << load.out.toStdString();
        EXPECT_EQ(readFile(data + "Users.dat"), before);
        EXPECT_EQ(filesIn(data), QStringList{"Users.dat"});
    }
}

TEST(UserStoreLoader, StoreThatCannotBeOpenedIsLeftAlone)
{
    const QString data = makeDataFolderWithStore();
    const QByteArray before = readFile(data + "Users.dat");
    giveToOtherUser(data);
    setMode(data + "Users.dat", 0000);
    platform::testutil::openToOtherUsers(data);
    const QString program = makeProgramFolder();
    platform::testutil::openToOtherUsers(program);

    const auto load = platform::testutil::runAsOtherUser(USERSTORE_PROBE, {"load", data, program});
    EXPECT_TRUE(load.out.startsWith("Unreadable\t")) << load.out.toStdString();
    EXPECT_EQ(readFile(data + "Users.dat"), before);
    EXPECT_EQ(filesIn(data), QStringList{"Users.dat"});
}

}  // namespace
}  // namespace users
