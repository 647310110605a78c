#include "main/core/shared/Online.h"

#include "platform/net/Connectivity.h"
#include "LoopbackHttpServer.h"
#include "TestEnvironment.h"

#include <QDir>

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
