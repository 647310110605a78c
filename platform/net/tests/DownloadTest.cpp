#include "platform/net/Download.h"

#include "LoopbackHttpServer.h"
#include "TestEnvironment.h"

#include <QElapsedTimer>

#include <gtest/gtest.h>

using platform::downloadFile;
using testsupport::entries;

TEST(DownloadFile, CompleteBodyArrivesWhole)
{
    QByteArray body;
    for (int i = 0; i < 200000; ++i) body += char('a' + i % 26);
    body += "\r\n0,No update";
    LoopbackHttpServer server;
    server.respond("/updates/Ver_1_0_0.txt", LoopbackHttpServer::response(200, body));
    const QString folder = testsupport::makeFolder("temp");
    testsupport::writeFile(folder + "update.txt", "older download");

    EXPECT_TRUE(downloadFile(server.url("/updates/Ver_1_0_0.txt"), folder + "update.txt"));
    EXPECT_EQ(testsupport::readFile(folder + "update.txt"), body);
    EXPECT_EQ(entries(folder), QStringList({"update.txt"}));
}

TEST(DownloadFile, ChunkedBodiesAndRedirectsArriveWhole)
{
    LoopbackHttpServer server;
    server.respond("/chunks", "HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n"
                              "5\r\nhello\r\n7\r\n, world\r\n0\r\n\r\n");
    server.respond("/moved", "HTTP/1.1 301 Moved\r\nLocation: /chunks\r\nContent-Length: 0\r\n\r\n");
    const QString folder = testsupport::makeFolder("temp");
    for (const char* path : {"/chunks", "/moved"}) {
        EXPECT_TRUE(downloadFile(server.url(path), folder + "update.txt")) << path;
        EXPECT_EQ(testsupport::readFile(folder + "update.txt"), "hello, world") << path;
    }
}

TEST(DownloadFile, FailuresGiveFalseAndNoFile)
{
    LoopbackHttpServer server;
    server.respond("/missing", LoopbackHttpServer::response(404, "<html>Not found</html>"));
    server.respond("/broken", LoopbackHttpServer::response(500, "oops"));
    server.respond("/short", "HTTP/1.1 200 OK\r\nContent-Length: 1000\r\nConnection: close\r\n\r\nonly this");
    server.respond("/chunks", "HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n5\r\nhello\r\n");
    const QString folder = testsupport::makeFolder("temp");

    const QStringList urls{server.url("/missing"), server.url("/broken"), server.url("/short"),
                           server.url("/chunks"),  LoopbackHttpServer::refusedUrl(),          "not an address",
                           "file:///etc/hostname", ""};
    for (const QString& url : urls) {
        EXPECT_FALSE(downloadFile(url, folder + "update.txt", 5000)) << url.toStdString();
        EXPECT_TRUE(entries(folder).isEmpty()) << url.toStdString();
    }
    // A body cut short by the server's close is refused however the close and the
    // last bytes arrive.
    for (int i = 0; i < 200; ++i) ASSERT_FALSE(downloadFile(server.url("/chunks"), folder + "update.txt", 5000)) << i;
    server.respond("/ok", LoopbackHttpServer::response(200, "fine"));
    EXPECT_FALSE(downloadFile(server.url("/ok"), folder + "missing/update.txt"));
    EXPECT_TRUE(entries(folder).isEmpty());
}

TEST(DownloadFile, SilentServerTimesOut)
{
    LoopbackHttpServer server;  // no response for "/silent"
    const QString folder = testsupport::makeFolder("temp");
    QElapsedTimer timer;
    timer.start();
    EXPECT_FALSE(downloadFile(server.url("/silent"), folder + "update.txt", 300));
    EXPECT_GE(timer.elapsed(), 250);
    EXPECT_LT(timer.elapsed(), 3000);
    EXPECT_TRUE(entries(folder).isEmpty());
}
