// Common main of every test program: one fresh sandbox per process (ctest runs each
// test case in its own process), the offscreen platform and the recording sound
// backend, so no test touches a real user's files or speakers.
#include <QApplication>
#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

int main(int argc, char** argv)
{
    char pattern[] = "/tmp/dvl-test-XXXXXX";
    const char* base = ::mkdtemp(pattern);
    if (!base) return 2;
    const std::string sandbox = base;
    for (const char* sub : {"/home", "/config", "/data", "/runtime", "/tmp"})
        QDir().mkpath(QString::fromStdString(sandbox + sub));
    QFile::setPermissions(QString::fromStdString(sandbox + "/runtime"),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    ::setenv("DVL_TEST_SANDBOX", sandbox.c_str(), 1);
    ::setenv("HOME", (sandbox + "/home").c_str(), 1);
    ::setenv("XDG_CONFIG_HOME", (sandbox + "/config").c_str(), 1);
    ::setenv("XDG_DATA_HOME", (sandbox + "/data").c_str(), 1);
    ::setenv("XDG_RUNTIME_DIR", (sandbox + "/runtime").c_str(), 1);
    ::setenv("TMPDIR", (sandbox + "/tmp").c_str(), 1);
    ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
    // Where the build put the ready program folder, and the sources.
    ::setenv("DVL_PROGRAM_DIR", DVL_TEST_PROGRAM_DIR, 0);
    ::setenv("DVL_SOURCE_DIR", DVL_TEST_SOURCE_DIR, 0);
    ::setenv("DVL_SOUND", ("record:" + sandbox + "/sound-record.txt").c_str(), 1);

    ::testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    const int result = RUN_ALL_TESTS();
    // Sandboxes of passing runs are removed; a failing run keeps its files to look at.
    if (result == 0 && !std::getenv("DVL_KEEP_SANDBOX"))
        QDir(QString::fromStdString(sandbox)).removeRecursively();
    return result;
}
