#include "platform/files/FileCopy.h"
#include "platform/files/FileError.h"
#include "platform/files/Rename.h"

#include "FileTestHelpers.h"
#include "OtherUser.h"
#include "TestEnvironment.h"

#include <QFileInfo>

#include <gtest/gtest.h>

using namespace platform;

namespace {

using namespace filetest;
using testsupport::entries;

// A folder as shipped: read-only files, a read-only subfolder, a link.
QString makeShippedFolder(const QString& name)
{
    const QString root = testsupport::makeFolder(name);
    testsupport::writeFile(root + "Animals.vfre", QByteArray(300000, 'a'));
    testsupport::writeFile(root + "deep/inner/Colours.vfre", "colours");
    QFile::link("Animals.vfre", root + "latest.vfre");
    setMode(root + "Animals.vfre", 0444);
    setMode(root + "deep/inner/Colours.vfre", 0444);
    setMode(root + "deep/inner", 0555);
    setMode(root + "deep", 0555);
    return root;
}

}  // namespace

TEST(CopyFile, CopyOfAReadOnlySourceIsOwnerWritable)
{
    const QString folder = testsupport::makeFolder("files");
    const QString source = testsupport::writeFile(folder + "Dravolin.tpl", QByteArray(2'000'000, '\x7f') + "end");
    setMode(source, 0444);
    copyFile(source, folder + "Users.dat");
    EXPECT_EQ(testsupport::readFile(folder + "Users.dat"), testsupport::readFile(source));
    EXPECT_EQ(modeOf(folder + "Users.dat"), 0644u);
    EXPECT_EQ(entries(folder), QStringList({"Dravolin.tpl", "Users.dat"}));
}

TEST(CopyFile, ExistingTargetIsReplacedOnlyWhenAsked)
{
    const QString folder = testsupport::makeFolder("files");
    const QString source = testsupport::writeFile(folder + "new.wav", "new");
    const QString target = testsupport::writeFile(folder + "old.wav", "old");
    setMode(target, 0444);

    const FileError e = thrownBy([&] { copyFile(source, target); });
    EXPECT_EQ(e.kind(), FileErrorKind::Exists);
    EXPECT_TRUE(e.text().contains(target)) << e.what();
    EXPECT_EQ(testsupport::readFile(target), "old");

    copyFile(source, target, Overwrite::Yes);
    EXPECT_EQ(testsupport::readFile(target), "new");
    EXPECT_EQ(modeOf(target), modeOf(source));
    EXPECT_EQ(entries(folder), QStringList({"new.wav", "old.wav"}));
}

TEST(CopyFile, FailuresLeaveNothingBehind)
{
    const QString folder = testsupport::makeFolder("files");
    const QString source = testsupport::writeFile(folder + "a.wav", "a");
    testsupport::makeFolder("files/sub");
    struct Case {
        QString from, to;
        FileErrorKind kind;
    };
    const std::vector<Case> cases{
        {folder + "missing.wav", folder + "b.wav", FileErrorKind::NotFound},
        {source, folder + "nofolder/b.wav", FileErrorKind::NotFound},
        {source, folder + "sub", FileErrorKind::Exists},
        {folder + "sub", folder + "c.wav", FileErrorKind::Other},
    };
    for (const Case& c : cases) {
        const FileError e = thrownBy([&] { copyFile(c.from, c.to, Overwrite::Yes); });
        EXPECT_EQ(e.kind(), c.kind) << e.what();
    }
    EXPECT_EQ(entries(folder), QStringList({"a.wav", "sub"}));
    EXPECT_TRUE(entries(folder + "sub").isEmpty());
}

TEST(CopyFolder, CopiesEverythingOwnerWritableThroughATemporarySibling)
{
    const QString shipped = makeShippedFolder("program/Custom Subjects");
    const QString data = testsupport::makeFolder("data");
    // A copy killed earlier left its half-built sibling behind.
    testsupport::writeFile(data + ".Custom Subjects.copy-AbC123/Animals.vfre", "half");

    copyFolder(shipped, data + "Custom Subjects/");
    const QString copy = data + "Custom Subjects/";
    EXPECT_EQ(testsupport::readFile(copy + "Animals.vfre"), QByteArray(300000, 'a'));
    EXPECT_EQ(testsupport::readFile(copy + "deep/inner/Colours.vfre"), "colours");
    EXPECT_EQ(QFileInfo(copy + "latest.vfre").symLinkTarget(), copy + "Animals.vfre");
    EXPECT_EQ(modeOf(copy + "Animals.vfre"), 0644u);
    EXPECT_EQ(modeOf(copy + "deep/inner/Colours.vfre"), 0644u);
    EXPECT_EQ(modeOf(copy + "deep/inner"), 0755u);
    EXPECT_EQ(modeOf(copy), 0755u);
    EXPECT_EQ(entries(data), QStringList({".Custom Subjects.copy-AbC123", "Custom Subjects"}));
    EXPECT_EQ(entries(shipped), QStringList({"Animals.vfre", "deep", "latest.vfre"}));
}

TEST(CopyFolder, ExistingTargetOrMissingSourceIsRefused)
{
    const QString shipped = makeShippedFolder("program/Custom Subjects");
    const QString data = testsupport::makeFolder("data");
    testsupport::writeFile(data + "Custom Subjects/Mine.vfre", "mine");

    EXPECT_EQ(thrownBy([&] { copyFolder(shipped, data + "Custom Subjects"); }).kind(), FileErrorKind::Exists);
    EXPECT_EQ(entries(data + "Custom Subjects"), QStringList({"Mine.vfre"}));
    EXPECT_EQ(thrownBy([&] { copyFolder(data + "none", data + "other"); }).kind(), FileErrorKind::NotFound);
    EXPECT_EQ(entries(data), QStringList({"Custom Subjects"}));
}

TEST(CopyIntoReadOnlyFolder, FailsWithPermissionAndLeavesNothing)
{
    const QString shipped = makeShippedFolder("program/Custom Subjects");
    const QString readOnly = testsupport::makeFolder("readonly");
    setMode(readOnly, 0555);
    testutil::openToOtherUsers(shipped + "deep/inner");
    testutil::openToOtherUsers(readOnly);

    for (const QStringList& arguments : {QStringList{"copy", shipped + "Animals.vfre", readOnly + "Animals.vfre"},
                                         QStringList{"copyfolder", shipped, readOnly + "Custom Subjects"}}) {
        const auto result = testutil::runAsOtherUser(FILES_HELPER, arguments);
        ASSERT_TRUE(result.finished);
        EXPECT_EQ(result.exitCode, 1);
        EXPECT_TRUE(result.out.startsWith("permission\n")) << result.out.data();
    }
    EXPECT_TRUE(entries(readOnly).isEmpty());
}

TEST(RenameNoReplace, RenamesButNeverReplaces)
{
    const QString folder = testsupport::makeFolder("files");
    testsupport::writeFile(folder + "Animals.vfre", "animals");
    testsupport::writeFile(folder + "Pets.vfre", "pets");
    testsupport::makeFolder("files/group");

    EXPECT_EQ(thrownBy([&] { renameNoReplace(folder + "Animals.vfre", folder + "Pets.vfre"); }).kind(),
              FileErrorKind::Exists);
    EXPECT_EQ(thrownBy([&] { renameNoReplace(folder + "Animals.vfre", folder + "group"); }).kind(),
              FileErrorKind::Exists);
    EXPECT_EQ(thrownBy([&] { renameNoReplace(folder + "none", folder + "x"); }).kind(), FileErrorKind::NotFound);
    EXPECT_EQ(testsupport::readFile(folder + "Pets.vfre"), "pets");

    renameNoReplace(folder + "Animals.vfre", folder + "Zoo.vfre");
    renameNoReplace(folder + "group", folder + "groups");
    EXPECT_EQ(entries(folder), QStringList({"Pets.vfre", "Zoo.vfre", "groups"}));
    EXPECT_EQ(testsupport::readFile(folder + "Zoo.vfre"), "animals");
}
