#include "platform/ui/CapsLock.h"

#include <QProcess>
#include <QStandardPaths>

#include <gtest/gtest.h>

TEST(CapsLock, IsOffWithoutAnX11Display)
{
    // Tests run on the offscreen platform, which has no keyboard indicators.
    EXPECT_FALSE(platform::ui::capsLockOn());
}

#ifdef DVL_CAPS_LOCK_PROBE
TEST(CapsLock, FollowsTheKeyboardIndicatorOnX11)
{
    const QString xvfb = QStandardPaths::findExecutable("Xvfb");
    if (xvfb.isEmpty())
        GTEST_SKIP() << "Xvfb is not installed: the X11 indicator cannot be tried here";

    QProcess server;
    server.start(xvfb, {"-displayfd", "1", "-nolisten", "tcp"});
    ASSERT_TRUE(server.waitForStarted(30000));
    QByteArray display;
    // Xvfb compiles its keymap first, which takes seconds on a busy machine.
    while (!display.contains('\n') && server.waitForReadyRead(30000))
        display += server.readAllStandardOutput();
    ASSERT_FALSE(display.trimmed().isEmpty()) << "Xvfb told no display number";

    QProcess probe;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("DISPLAY", ":" + QString::fromLatin1(display.trimmed()));
    environment.insert("QT_QPA_PLATFORM", "xcb");
    probe.setProcessEnvironment(environment);
    probe.start(DVL_CAPS_LOCK_PROBE, {});
    ASSERT_TRUE(probe.waitForFinished(30000));
    EXPECT_EQ(probe.exitCode(), 0) << probe.readAllStandardError().toStdString();
    EXPECT_EQ(probe.readAllStandardOutput().trimmed(), "0 1 0");

    server.terminate();
    server.waitForFinished(5000);
}
#endif
