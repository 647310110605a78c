#include "main/core/startup/FolderProcedures.h"
#include "main/core/startup/Folders.h"
#include "platform/files/FileError.h"

#include "OtherUser.h"
#include "TestEnvironment.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include <gtest/gtest.h>

#include <sys/stat.h>

using startup::FolderServices;
using startup::ProgramFolders;
using startup::Set_Paths;

namespace {

// A program folder with a shipped custom-subjects folder holding one store.
QString makeProgramFolder()
{
    const QString program = testsupport::makeFolder("program");
    testsupport::writeFile(program + "My Subjects/Example.vfre", "example store");
    QDir().mkpath(program + "Subjects");
    return program;
}

struct FakeSystem {
    bool readOnly = false;
    QString appData;
    QStringList copies;
    bool unsafeTemp = false;

    FolderServices services()
    {
        return FolderServices{[this](const QString&) { return readOnly; }, [this] { return appData; },
                              [this] {
                                  if (unsafeTemp)
                                      throw platform::FileError(platform::FileErrorKind::NotSafe, "planted link");
                                  return testsupport::makeFolder("temp");
                              },
                              [this](const QString& from, const QString& to) {
                                  copies << from + " -> " + to;
                                  QDir().mkpath(to);
                              }};
    }
};

}  // namespace

TEST(SetPaths, WritableProgramFolderIsTheDataFolderAndNothingIsCopied)
{
    const QString program = makeProgramFolder();
    FakeSystem system;
    ProgramFolders folders;
    Set_Paths(folders, program, "Subjects", "My Subjects", "Dravolin French", system.services());
    EXPECT_EQ(folders.programDir, program);
    EXPECT_EQ(folders.dataDir, program);
    EXPECT_EQ(folders.installedSubjectsDir, program + "Subjects/");
    EXPECT_EQ(folders.virtualSubjectsDir, program + "My Subjects/");
    EXPECT_EQ(folders.activitiesDir, program + "Activities/");
    EXPECT_TRUE(system.copies.isEmpty());
}

TEST(SetPaths, ReadOnlyProgramFolderUsesTheAppDataFolderAndCopiesOnce)
{
    const QString program = makeProgramFolder();
    const QString appData = testsupport::makeFolder("appdata");
    FakeSystem system{true, appData.chopped(1), {}};
    ProgramFolders folders;
    Set_Paths(folders, program.chopped(1), "Subjects", "My Subjects", "Dravolin French", system.services());
    EXPECT_EQ(folders.programDir, program);
    EXPECT_EQ(folders.dataDir, appData + "Dravolin French/");
    EXPECT_EQ(folders.installedSubjectsDir, program + "Subjects/");
    EXPECT_EQ(folders.virtualSubjectsDir, appData + "Dravolin French/My Subjects/");
    EXPECT_TRUE(QFileInfo(folders.dataDir).isDir());
    EXPECT_EQ(system.copies,
              QStringList({program + "My Subjects -> " + appData + "Dravolin French/My Subjects"}));

    Set_Paths(folders, program, "Subjects", "My Subjects", "Dravolin French", system.services());
    EXPECT_EQ(system.copies.size(), 1);
}

TEST(SetPaths, WithoutAnAppDataFolderTheTemporaryFolderHoldsTheData)
{
    FakeSystem system{true, {}, {}};
    ProgramFolders folders;
    Set_Paths(folders, makeProgramFolder(), "Subjects", "My Subjects", "Dravolin French", system.services());
    EXPECT_EQ(folders.dataDir, testsupport::makeFolder("temp") + "Dravolin French/");
    EXPECT_TRUE(QFileInfo(folders.dataDir).isDir());
}

TEST(SetPaths, FoldersAreSetEvenWhenTheDataFolderCannotBeMade)
{
    FakeSystem system{true, testsupport::sandboxDir() + "/no/such/parent", {}};
    ProgramFolders folders;
    const QString program = makeProgramFolder();
    EXPECT_ANY_THROW(Set_Paths(folders, program, "Subjects", "My Subjects", "Dravolin French", system.services()));
    EXPECT_EQ(folders.installedSubjectsDir, program + "Subjects/");
    EXPECT_EQ(folders.virtualSubjectsDir, testsupport::sandboxDir() + "/no/such/parent/Dravolin French/My Subjects/");
    EXPECT_TRUE(system.copies.isEmpty());
}

TEST(SetPaths, FoldersUnderTheProgramFolderAreSetEvenWhenNoDataFolderIsFound)
{
    FakeSystem system{true, {}, {}, true};
    ProgramFolders folders;
    const QString program = makeProgramFolder();
    EXPECT_THROW(Set_Paths(folders, program, "Subjects", "My Subjects", "Dravolin French", system.services()),
                 platform::FileError);
    EXPECT_EQ(folders.programDir, program);
    EXPECT_EQ(folders.installedSubjectsDir, program + "Subjects/");
    EXPECT_EQ(folders.activitiesDir, program + "Activities/");
    EXPECT_TRUE(system.copies.isEmpty());
}

TEST(FolderIsReadOnly, NeverTouchesAFileThatIsThere)
{
    const QString folder = testsupport::makeFolder("writable");
    testsupport::writeFile(folder + "test.txt", "learner's notes");
    EXPECT_FALSE(startup::Folder_Is_Read_Only(folder));
    EXPECT_EQ(testsupport::readFile(folder + "test.txt"), "learner's notes");
    EXPECT_EQ(QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
              QStringList({"test.txt"}));
    EXPECT_TRUE(startup::Folder_Is_Read_Only(folder + "missing/"));
}

TEST(ApplicationDataFolder, IsTheUsersDataFolderWithoutTrailingSlash)
{
    EXPECT_EQ(startup::Get_Application_Data_Folder(), testsupport::sandboxDir() + "/data");
}

// The real thing: a program folder the running user may not write to (run as
// another user when the tests run as root).
TEST(SetPaths, ReadOnlyProgramFolderForReal)
{
    const QString program = makeProgramFolder();
    const QString data = testsupport::sandboxDir() + "/data";
    const QString dataDir = data + "/Dravolin French/";
    for (const QString& folder : {program, program + "My Subjects/", program + "Subjects/"})
        ::chmod(QFile::encodeName(folder).constData(), 0555);
    ::chmod(QFile::encodeName(program + "My Subjects/Example.vfre").constData(), 0444);
    ::chmod(QFile::encodeName(data).constData(), 0777);
    platform::testutil::openToOtherUsers(program + "My Subjects/");
    const auto run = [&] {
        const auto result = platform::testutil::runAsOtherUser(SET_PATHS_PROBE, {program, "Dravolin French"});
        EXPECT_TRUE(result.finished) << result.err.toStdString();
        EXPECT_EQ(result.exitCode, 0) << result.err.toStdString();
        return QString::fromUtf8(result.out);
    };
    const QString expected = "data=" + dataDir + "\ncustom=" + dataDir + "My Subjects/\n";

    // First run: the data folder is made and the shipped custom subjects copied into it.
    EXPECT_EQ(run(), expected);
    EXPECT_EQ(testsupport::readFile(dataDir + "My Subjects/Example.vfre"), "example store");
    EXPECT_EQ(QDir(program).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
              QStringList({"My Subjects", "Subjects"}));

    // The copy is the learner's now: a later run leaves it as it is.
    testsupport::writeFile(dataDir + "My Subjects/Example.vfre", "changed by the learner");
    EXPECT_EQ(run(), expected);
    EXPECT_EQ(testsupport::readFile(dataDir + "My Subjects/Example.vfre"), "changed by the learner");

    // A copy killed half-way leaves only a hidden sibling, which does not block the next copy.
    QDir(dataDir + "My Subjects").removeRecursively();
    testsupport::writeFile(dataDir + ".My Subjects.copy-Ab12Cd/half.vfre", "half");
    EXPECT_EQ(run(), expected);
    EXPECT_EQ(testsupport::readFile(dataDir + "My Subjects/Example.vfre"), "example store");
}
