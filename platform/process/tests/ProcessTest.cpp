#include "platform/process/Process.h"

#include "TestEnvironment.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QThread>

#include <gtest/gtest.h>

using namespace platform;

namespace {

// A program that writes its first argument, exactly, to "out" beside itself.
QString makeEchoProgram(const QString& folder)
{
    const QString path = testsupport::writeFile(folder + "echo-argument", "#!/bin/sh\nprintf %s \"$1\" > \"$(dirname \"$0\")/out.tmp\"\n"
                                                                          "mv \"$(dirname \"$0\")/out.tmp\" \"$(dirname \"$0\")/out\"\n");
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    return path;
}

QByteArray waitForFile(const QString& path)
{
    QDeadlineTimer deadline(10000);
    while (!QFile::exists(path) && !deadline.hasExpired()) QThread::msleep(20);
    return testsupport::readFile(path);
}

}  // namespace

TEST(StartDetached, ArgumentReachesTheProgramWhole)
{
    const QString folder = testsupport::makeFolder("Activities");
    const QString argument = QString::fromUtf8("~dvl 4242 \"quoted\" 'single'; touch pwned $(touch pwned2) é.txt");
    ASSERT_TRUE(startDetached(makeEchoProgram(folder), argument));
    EXPECT_EQ(QString::fromUtf8(waitForFile(folder + "out")), argument);
    EXPECT_FALSE(QFile::exists(folder + "pwned"));
    EXPECT_FALSE(QFile::exists(folder + "pwned2"));
}

TEST(StartDetached, MissingProgramGivesFalse)
{
    EXPECT_FALSE(startDetached(testsupport::sandboxDir() + "/Activities/none", "x"));
}

TEST(StartDetached, StarterCanBeReplaced)
{
    QStringList started;
    setProcessStarter([&](const QString& program, const QString& argument) {
        started << program << argument;
        return true;
    });
    EXPECT_TRUE(startDetached("/opt/Lessondesk/Activities/01cardflip", "~dvl1.txt"));
    setProcessStarter({});
    EXPECT_EQ(started, QStringList({"/opt/Lessondesk/Activities/01cardflip", "~dvl1.txt"}));
    EXPECT_FALSE(startDetached(testsupport::sandboxDir() + "/none", "x"));
}
