// New, renamed and deleted custom stores.
#include "CustomStoreTestBase.h"

#include "main/editor/customstore/StoreNames.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <sys/wait.h>
#include <unistd.h>

namespace customstore::testing {
namespace {

TEST_F(CustomStoreTest, NewStoreNamesFollowTheStoresAlreadyThere)
{
    const std::pair<QStringList, const char*> cases[] = {
        {{}, "New folder"},
        {{"New folder"}, "New folder 2"},
        {{"New folder", "New folder 2"}, "New folder 3"},
        {{"New folderx"}, "New folder 2"},          // begins with the base: counted
        {{"new FOLDER"}, "New folder 2"},           // letter case ignored
        {{"New folder", "New folder 2", "New folder 3", "other"}, "New folder 4"},
        {{"New folder", "new folder 2"}, "New folder 3"},
    };
    for (const auto& [existing, expected] : cases) {
        QDir(settings.customSubjectsDir).removeRecursively();
        QDir().mkpath(settings.customSubjectsDir);
        for (const QString& name : existing) makeStore(name);
        EXPECT_EQ(library.uniqueNewStoreName(), expected) << existing.join(", ").toStdString();
    }
}

TEST_F(CustomStoreTest, NewStoreIsAWorkingCopyOfTheTemplate)
{
    const auto made = library.newStore(library.uniqueNewStoreName());
    ASSERT_TRUE(made.done()) << made.message.toStdString();
    EXPECT_EQ(made.value, "New folder.vfre");
    EXPECT_TRUE(QFileInfo(custom("New folder.vfre")).isWritable());
    EXPECT_TRUE(library.readSubjects("New folder").value.empty());
    EXPECT_EQ(library.storeFiles(), QStringList{"New folder.vfre"});
    EXPECT_EQ(library.uniqueNewStoreName(), "New folder 2");
}

TEST_F(CustomStoreTest, NewStoreNeverReplacesAFile)
{
    makeStore("Mine");
    ASSERT_TRUE(library.newSubject("Mine", "kept").done());
    const QByteArray before = bytesOf("Mine.vfre");
    for (const char* name : {"Mine", "MINE", "mine"}) {
        const auto made = library.newStore(name);
        EXPECT_EQ(made.outcome, Outcome::Refused) << name;
        EXPECT_EQ(made.caption, 125);
        EXPECT_EQ(made.message, "#125");
    }
    EXPECT_EQ(bytesOf("Mine.vfre"), before);
    EXPECT_EQ(QDir(settings.customSubjectsDir).entryList(QDir::Files), QStringList{"Mine.vfre"});
}

TEST_F(CustomStoreTest, NamesThatCannotBeFileNamesAreRefused)
{
    makeStore("Mine");
    for (const char* name : {"a/b", "a\\b", "a:b", "a*b", "a?b", "a\"b", "a<b", "a>b", "a|b", "a\tb", "a\nb", ".", ".."}) {
        const auto made = library.newStore(QString::fromUtf8(name));
        EXPECT_EQ(made.caption, caption::UnsafeName) << name;
        const auto renamed = library.renameStore("Mine", QString::fromUtf8(name));
        EXPECT_EQ(renamed.outcome, Outcome::Refused) << name;
        EXPECT_EQ(renamed.caption, caption::UnsafeName) << name;
    }
    EXPECT_EQ(QDir(settings.customSubjectsDir).entryList(QDir::Files), QStringList{"Mine.vfre"});
    EXPECT_TRUE(QDir(settings.customSubjectsDir).entryList(QDir::Dirs | QDir::NoDotAndDotDot).isEmpty());
}

TEST_F(CustomStoreTest, MissingTemplateFailsAndCreatesNothing)
{
    ASSERT_TRUE(QFile::remove(settings.programDir + "custom.tpl"));
    const auto made = library.newStore("Mine");
    EXPECT_EQ(made.outcome, Outcome::Failed);
    EXPECT_FALSE(made.message.isEmpty());
    EXPECT_TRUE(QDir(settings.customSubjectsDir).entryList(QDir::Files).isEmpty());
}

TEST_F(CustomStoreTest, RenameMovesTheStoreWithItsSubjects)
{
    makeStore("Mine");
    const auto key = library.newSubject("Mine", "Pets").value;
    const auto renamed = library.renameStore("Mine", "Été à la mer l'an *");
    EXPECT_EQ(renamed.caption, caption::UnsafeName);  // "*" is refused as part of a file name
    const auto accepted = library.renameStore("Mine", "  Été à la mer, l'an 2  ");
    ASSERT_TRUE(accepted.done()) << accepted.message.toStdString();
    EXPECT_EQ(accepted.value, "  Été à la mer, l'an 2  .vfre");  // typed untrimmed
    EXPECT_FALSE(QFileInfo::exists(custom("Mine.vfre")));
    const auto groups = library.readSubjects("  Été à la mer, l'an 2  ").value;
    ASSERT_EQ(groups.size(), 1u);
    EXPECT_EQ(groups[0].key, key);
}

TEST_F(CustomStoreTest, RenameOntoAnExistingStoreIsRefusedAndBothStay)
{
    makeStore("Mine");
    makeStore("Other");
    library.newSubject("Mine", "mine");
    library.newSubject("Other", "other");
    const QByteArray mine = bytesOf("Mine.vfre");
    const QByteArray other = bytesOf("Other.vfre");
    const std::pair<const char*, int> cases[] = {
        {"Other", caption::FolderNameTaken}, {"OTHER", caption::FolderNameTaken}, {"Mine", caption::FolderNameTaken}, {"mine", caption::FolderNameTaken},
        {"", caption::TypeAName},      {"   ", caption::TypeAName},
    };
    for (const auto& [typed, caption] : cases) {
        const auto renamed = library.renameStore("Mine", typed);
        EXPECT_EQ(renamed.outcome, Outcome::Refused) << typed;
        EXPECT_EQ(renamed.caption, caption) << typed;
    }
    EXPECT_EQ(bytesOf("Mine.vfre"), mine);
    EXPECT_EQ(bytesOf("Other.vfre"), other);
    EXPECT_EQ(QDir(settings.customSubjectsDir).entryList(QDir::Files), (QStringList{"Mine.vfre", "Other.vfre"}));
}

TEST_F(CustomStoreTest, RenameFirstRollsBackAWriteLeftByAKilledProgram)
{
    makeStore("Mine");
    library.newSubject("Mine", "before");
    const QString path = custom("Mine.vfre");
    const pid_t child = ::fork();
    if (child == 0) {
        // Write far more than the page cache holds inside a transaction, then die.
        platform::Store store = platform::Store::open(path, platform::OpenMode::ReadWrite);
        store.executeScript("PRAGMA cache_size = 2; BEGIN IMMEDIATE;");
        for (int i = 0; i < 400; ++i)
            store.execute("INSERT INTO tblPhrases (fkParent, tPhrase) VALUES (1, ?)", {QString(500, 'x')});
        ::_exit(0);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(QFileInfo::exists(path + "-journal"));

    ASSERT_TRUE(library.renameStore("Mine", "Moved").done());
    EXPECT_FALSE(QFileInfo::exists(path + "-journal"));
    EXPECT_EQ(count("Moved", "SELECT count(*) FROM tblPhrases"), 0);
    EXPECT_EQ(library.readSubjects("Moved").value.size(), 1u);
    const platform::Store moved = platform::Store::open(custom("Moved.vfre"), platform::OpenMode::ReadOnly);
    EXPECT_EQ(moved.query("PRAGMA integrity_check").front().at(0).toText(), "ok");
}

TEST_F(CustomStoreTest, DeleteRemovesTheStoreAndItsJournal)
{
    makeStore("Mine");
    makeStore("Other");
    testsupport::writeFile(custom("Mine.vfre-journal"), "stale");
    ASSERT_TRUE(library.deleteStore("Mine").done());
    EXPECT_EQ(QDir(settings.customSubjectsDir).entryList(QDir::Files), QStringList{"Other.vfre"});
    EXPECT_EQ(library.deleteStore("Mine").outcome, Outcome::Failed);
}

TEST_F(CustomStoreTest, AStoreWhoseExtensionDiffersInCaseIsStillFound)
{
    makeStore("Mine");
    ASSERT_TRUE(QFile::rename(custom("Mine.vfre"), custom("Mine.VFRE")));
    EXPECT_EQ(library.storeFiles(), QStringList{"Mine.VFRE"});
    EXPECT_TRUE(library.newSubject("Mine", "Pets").done());
    EXPECT_TRUE(library.deleteStore("Mine").done());
    EXPECT_TRUE(QDir(settings.customSubjectsDir).entryList(QDir::Files).isEmpty());
}

}  // namespace
}  // namespace customstore::testing
