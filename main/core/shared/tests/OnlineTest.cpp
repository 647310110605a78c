#include "main/core/shared/Online.h"

#include "platform/net/Connectivity.h"
#include "LoopbackHttpServer.h"
#include "TestEnvironment.h"

#include <QDir>
#include <QMouseEvent>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

TEST(IsConnected, FollowsTheSystemsAnswer)
{
    for (bool online : {true, false}) {
        platform::setConnectivityCheck([online] { return online; });
        EXPECT_EQ(shared::Is_Connected(), online);
    }
    platform::setConnectivityCheck({});
}

TEST(DownloadFile, SucceedsOnlyForACompleteAnswer)
{
    LoopbackHttpServer server;
    server.respond("/updates/Ver_1_0_0.txt", LoopbackHttpServer::response(200, "Info\r\nNO, All is well\r\n"));
    server.respond("/updates/Ver_9_9_9.txt", LoopbackHttpServer::response(404, "Not found"));
    server.respond("/cut.txt", "HTTP/1.1 200 OK\r\nContent-Length: 100\r\nConnection: close\r\n\r\nonly part");
    const QString folder = testsupport::makeFolder("download");

    EXPECT_TRUE(shared::Download_File(server.url("/updates/Ver_1_0_0.txt"), folder + "update.tmp"));
    EXPECT_EQ(testsupport::readFile(folder + "update.tmp"), "Info\r\nNO, All is well\r\n");

    EXPECT_FALSE(shared::Download_File(server.url("/updates/Ver_9_9_9.txt"), folder + "missing.tmp"));
    EXPECT_FALSE(shared::Download_File(server.url("/cut.txt"), folder + "cut.tmp"));
    EXPECT_EQ(QDir(folder).entryList(QDir::Files | QDir::Hidden), QStringList({"update.tmp"}));
}

namespace {

// A window that counts its paints.
class PaintCounter : public QWidget {
public:
    int paints = 0;

protected:
    void paintEvent(QPaintEvent*) override { ++paints; }
};

}  // namespace

TEST(DownloadFile, ClicksDuringTheDownloadAreDroppedWhileWindowsPaintAndTimersRun)
{
    LoopbackHttpServer server;
    server.respond("/slow", LoopbackHttpServer::response(200, "fine"), 300);
    PaintCounter window;
    auto* button = new QPushButton("Press", &window);
    button->resize(100, 30);
    window.resize(200, 100);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    int presses = 0;
    QObject::connect(button, &QPushButton::clicked, [&presses] { ++presses; });
    const int paintsBefore = window.paints;

    int ticks = 0;
    QTimer clicker;
    QObject::connect(&clicker, &QTimer::timeout, [&] {
        ++ticks;
        window.update();
        // Clicks well before the answer comes, so none can be left for afterwards.
        if (ticks > 4) return;
        const QPointF at(10, 10);
        QCoreApplication::postEvent(button, new QMouseEvent(QEvent::MouseButtonPress, at, button->mapToGlobal(at),
                                                            Qt::LeftButton, Qt::LeftButton, Qt::NoModifier));
        QCoreApplication::postEvent(button, new QMouseEvent(QEvent::MouseButtonRelease, at, button->mapToGlobal(at),
                                                            Qt::LeftButton, Qt::NoButton, Qt::NoModifier));
    });
    clicker.start(30);
    const QString folder = testsupport::makeFolder("download");

    EXPECT_TRUE(shared::Download_File(server.url("/slow"), folder + "slow.tmp"));
    clicker.stop();
    QCoreApplication::processEvents();

    EXPECT_GT(ticks, 2);
    EXPECT_GT(window.paints, paintsBefore);
    EXPECT_EQ(presses, 0);
}
