#include "platform/files/FileError.h"
#include "platform/files/Paths.h"

#include "FileTestHelpers.h"
#include "OtherUser.h"
#include "TestEnvironment.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

#include <sys/stat.h>

using namespace platform;

using testsupport::entries;

TEST(FileExists, OnlyExistingFilesNoWildcards)
{
    const QString folder = testsupport::makeFolder("subjects");
    testsupport::writeFile(folder + "food.fre", "x");
    testsupport::makeFolder("subjects/Custom.fre");
    QFile::link(folder + "food.fre", folder + "link.fre");
    QFile::link(folder + "gone.fre", folder + "broken.fre");
    const std::vector<std::pair<QString, bool>> cases{
        {folder + "food.fre", true},  {folder + "link.fre", true},  {folder + "Custom.fre", false},
        {folder + "*.fre", false},    {folder + "fo?d.fre", false}, {folder + "broken.fre", false},
        {folder + "FOOD.FRE", false}, {"", false},
    };
    for (const auto& [path, exists] : cases) EXPECT_EQ(fileExists(path), exists) << path.toStdString();
}

TEST(FolderIsWritable, ProbesWithAFreshNameAndLeavesNothing)
{
    const QString folder = testsupport::makeFolder("program");
    testsupport::writeFile(folder + "test.txt", "the learner's own file");
    EXPECT_TRUE(folderIsWritable(folder));
    EXPECT_TRUE(folderIsWritable(folder.chopped(1)));
    EXPECT_EQ(entries(folder), QStringList({"test.txt"}));
    EXPECT_EQ(testsupport::readFile(folder + "test.txt"), "the learner's own file");
    EXPECT_FALSE(folderIsWritable(folder + "missing/"));
}

TEST(FolderIsWritable, ReadOnlyFolderIsNotWritableForItsUser)
{
    const QString folder = testsupport::makeFolder("installed");
    ::chmod(QFile::encodeName(folder).constData(), 0555);
    testutil::openToOtherUsers(folder);
    const auto result = testutil::runAsOtherUser(FILES_HELPER, {"writable", folder});
    ASSERT_TRUE(result.finished);
    EXPECT_EQ(result.out, "no\n");
    EXPECT_TRUE(entries(folder).isEmpty());
}

TEST(CreateFolder, OneLevelOwnerWritable)
{
    const QString parent = testsupport::makeFolder("data");
    const mode_t previous = ::umask(0277);
    const bool made = createFolder(parent + "Lessondesk/");
    ::umask(previous);
    EXPECT_TRUE(made);
    struct stat info {};
    ASSERT_EQ(::stat(QFile::encodeName(parent + "Lessondesk").constData(), &info), 0);
    EXPECT_EQ(info.st_mode & S_IRWXU, static_cast<mode_t>(S_IRWXU));

    EXPECT_FALSE(createFolder(parent + "Lessondesk"));
    testsupport::writeFile(parent + "file", "x");
    EXPECT_THROW(createFolder(parent + "file"), FileError);
    try {
        createFolder(parent + "a/b");
        ADD_FAILURE() << "made two levels";
    } catch (const FileError& e) {
        EXPECT_EQ(e.kind(), FileErrorKind::NotFound);
        EXPECT_TRUE(e.text().contains(parent + "a/b")) << e.what();
    }
}
