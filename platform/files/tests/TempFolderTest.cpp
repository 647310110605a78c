#include "platform/files/FileError.h"
#include "platform/files/TempFolder.h"

#include "FileTestHelpers.h"
#include "OtherUser.h"
#include "TestEnvironment.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

#include <unistd.h>

using namespace platform;

namespace {

using filetest::modeOf;

QString runtimeFolder() { return testsupport::sandboxDir() + "/runtime/dravolin"; }

FileError refusal() { return filetest::thrownBy([] { tempFolder(); }); }

}  // namespace

TEST(TempFolder, PrivateFolderUnderTheRuntimeFolder)
{
    EXPECT_EQ(tempFolder(), runtimeFolder() + "/");
    EXPECT_EQ(modeOf(runtimeFolder()), 0700u);
    EXPECT_EQ(tempFolder(), runtimeFolder() + "/");
}

TEST(TempFolder, WithoutRuntimeFolderUsesTheSystemTempFolder)
{
    ::unsetenv("XDG_RUNTIME_DIR");
    const QString expected = testsupport::sandboxDir() + QString("/tmp/dravolin-%1").arg(::geteuid());
    EXPECT_EQ(tempFolder(), expected + "/");
    EXPECT_EQ(modeOf(expected), 0700u);
}

TEST(TempFolder, EveryProgramOfTheUserGetsTheSameFolder)
{
    const QString mine = tempFolder();
    for (int i = 0; i < 2; ++i) {
        const auto other = testutil::runProgram(FILES_HELPER, {"tempfolder"});
        ASSERT_TRUE(other.finished);
        EXPECT_EQ(other.exitCode, 0) << other.out.data();
        EXPECT_EQ(QString::fromUtf8(other.out.trimmed()), mine);
    }
}

TEST(TempFolder, WrongModeOfOurOwnFolderIsPutRight)
{
    QDir().mkpath(runtimeFolder());
    QFile::setPermissions(runtimeFolder(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner |
                                               QFile::ReadOther | QFile::WriteOther | QFile::ExeOther);
    tempFolder();
    EXPECT_EQ(modeOf(runtimeFolder()), 0700u);
}

TEST(TempFolder, PlantedLinkOrFileIsRefused)
{
    const QString elsewhere = testsupport::makeFolder("elsewhere");
    ASSERT_TRUE(QFile::link(elsewhere, runtimeFolder()));
    const mode_t before = modeOf(elsewhere);
    EXPECT_EQ(refusal().kind(), FileErrorKind::NotSafe);
    EXPECT_TRUE(QDir(elsewhere).isEmpty());
    EXPECT_EQ(modeOf(elsewhere), before);

    QFile::remove(runtimeFolder());
    testsupport::writeFile(runtimeFolder(), "not a folder");
    const FileError e = refusal();
    EXPECT_EQ(e.kind(), FileErrorKind::NotSafe);
    EXPECT_TRUE(e.text().contains(runtimeFolder())) << e.what();
}

TEST(TempFolder, AnotherUsersFolderIsRefused)
{
    if (::geteuid() != 0) GTEST_SKIP() << "only root can hand a folder to another user";
    QDir().mkpath(runtimeFolder());
    ASSERT_EQ(::chown(QFile::encodeName(runtimeFolder()).constData(), 65534, 65534), 0);
    ::chmod(QFile::encodeName(runtimeFolder()).constData(), 0777);
    EXPECT_EQ(refusal().kind(), FileErrorKind::NotSafe);
    EXPECT_EQ(modeOf(runtimeFolder()), 0777u);
}
