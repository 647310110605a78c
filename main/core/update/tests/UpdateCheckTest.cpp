#include "main/core/update/UpdateCheck.h"
#include "main/core/update/UpdateFile.h"

#include "LoopbackHttpServer.h"
#include "TestEnvironment.h"
#include "platform/net/Browser.h"
#include "platform/ui/MessageBoxRecorder.h"

#include <QElapsedTimer>
#include <QUrl>

#include <gtest/gtest.h>

#include <optional>

using platform::ui::MessageAnswer;
using update::UpdateNotice;

namespace {

constexpr update::Version kVersion{2, 0, 15};
const QByteArray kPath = "/updates/Ver_2_0_15.txt";

class UpdateCheck : public ::testing::Test {
protected:
    UpdateCheck()
    {
        platform::setUrlOpener([this](const QUrl& url) {
            opened << url.toString();
            return true;
        });
    }
    ~UpdateCheck() override { platform::setUrlOpener({}); }

    update::UpdateCheckSetup setup(const QString& webBase, int timeoutMs = 5000) const
    {
        return {webBase,  "Program Update", "Open the download page?", "download.htm", "Download it later from",
                kVersion, temp,             QDateTime(QDate(2024, 3, 4), QTime(9, 5, 7)), timeoutMs};
    }

    LoopbackHttpServer server;
    platform::ui::MessageBoxRecorder boxes;
    QStringList opened;
    QString temp = testsupport::makeFolder("temp");
};

}  // namespace

TEST(UpdateFile, AddressAndLocalCopyFollowTheVersionAndTheClock)
{
    EXPECT_EQ(update::updateAddress("https://www.dravolin.example/", kVersion),
              "https://www.dravolin.example/updates/Ver_2_0_15.txt");
    EXPECT_EQ(update::updateAddress("https://www.dravolin.example", {1, 10, 0}),
              "https://www.dravolin.example/updates/Ver_1_10_0.txt");
    EXPECT_EQ(update::localCopyPath("/run/dravolin/", QDateTime(QDate(2024, 3, 4), QTime(21, 5, 7))),
              "/run/dravolin/~03042024210507.tmp");
}

TEST(UpdateFile, OnlyTheLastLineCounts)
{
    struct Case {
        QByteArray content;
        std::optional<std::pair<QString, QString>> notice;  // flag and message
    };
    const std::vector<Case> cases{
        {"YES, Please update\r\n", {{"YES", "Please update"}}},
        {"  yes ,  Please update ", {{"YES", "Please update"}}},
        {"NO, First\r\nINFO, Second, and more\r\n", {{"INFO", "Second"}}},
        {"NO, old\nYES,new\n", {{"YES", "new"}}},
        {"YES, \r\n", {{"YES", ""}}},
        {"YES\r\n", std::nullopt},
        {"YES, Update\r\n\r\n", std::nullopt},  // the last line is the empty one
        {"", std::nullopt},
        {"\r\n", std::nullopt},
    };
    for (const Case& c : cases) {
        const std::optional<UpdateNotice> notice = update::readLastLine(c.content);
        ASSERT_EQ(notice.has_value(), c.notice.has_value()) << c.content.toStdString();
        if (!notice) continue;
        EXPECT_EQ(notice->flag, c.notice->first) << c.content.toStdString();
        EXPECT_EQ(notice->message, c.notice->second) << c.content.toStdString();
        EXPECT_EQ(notice->mustClose(), c.notice->first == "YES");
    }
}

TEST_F(UpdateCheck, AFlaggedFileShowsItsMessageAndOffersTheDownloadPage)
{
    struct Case {
        const char* name;
        QByteArray body;
        MessageAnswer answer;
        bool mustEnd;
        QString message;
    };
    const std::vector<Case> cases{
        {"yes, opened", "YES, Please update now\r\n", MessageAnswer::Yes, true, "Please update now"},
        {"yes, later", "Version 2.0.15\r\n yes , Please update, soon\r\n", MessageAnswer::No, true, "Please update"},
        {"information", "INFO, A new version is out", MessageAnswer::Yes, false, "A new version is out"},
    };
    const QString base = server.url("/");
    const QString page = base + "download.htm";
    for (const Case& c : cases) {
        server.respond(kPath, LoopbackHttpServer::response(200, c.body));
        const std::size_t before = boxes.shown().size();
        opened.clear();
        boxes.queueAnswer(c.answer);

        EXPECT_EQ(update::Check_For_Update(setup(base)), c.mustEnd) << c.name;

        ASSERT_GE(boxes.shown().size(), before + 1) << c.name;
        const auto& question = boxes.shown()[before];
        EXPECT_EQ(question.title, "Program Update") << c.name;
        EXPECT_EQ(question.text, c.message + "\n\nOpen the download page?") << c.name;
        EXPECT_EQ(question.buttons, platform::ui::MessageButtons::YesNo) << c.name;
        if (c.answer == MessageAnswer::Yes) {
            EXPECT_EQ(boxes.shown().size(), before + 1) << c.name;
            EXPECT_EQ(opened, QStringList{page}) << c.name;
        } else {
            ASSERT_EQ(boxes.shown().size(), before + 2) << c.name;
            EXPECT_EQ(boxes.shown()[before + 1].text, "Download it later from " + page) << c.name;
            EXPECT_EQ(boxes.shown()[before + 1].title, "Program Update") << c.name;
            EXPECT_TRUE(opened.isEmpty()) << c.name;
        }
        EXPECT_TRUE(testsupport::entries(temp).isEmpty()) << c.name;
    }
    EXPECT_EQ(server.requested(), QList<QByteArray>(cases.size(), kPath));
}

TEST_F(UpdateCheck, NoUsableAnswerGoesOnSilently)
{
    struct Case {
        const char* name;
        QByteArray raw;  // empty: the server never answers
    };
    const std::vector<Case> cases{
        {"no comma", LoopbackHttpServer::response(200, "Version 2\r\nYES\r\n")},
        {"empty file", LoopbackHttpServer::response(200, "")},
        {"no file for this version", LoopbackHttpServer::response(404, "Not found")},
        {"cut short", "HTTP/1.1 200 OK\r\nContent-Length: 100\r\nConnection: close\r\n\r\nYES, Upd"},
    };
    for (const Case& c : cases) {
        server.respond(kPath, c.raw);
        EXPECT_FALSE(update::Check_For_Update(setup(server.url("/")))) << c.name;
        EXPECT_TRUE(testsupport::entries(temp).isEmpty()) << c.name;
    }

    QString refused = LoopbackHttpServer::refusedUrl();
    refused.chop(QString("refused-port").size());
    EXPECT_FALSE(update::Check_For_Update(setup(refused)));

    LoopbackHttpServer silent;
    QElapsedTimer timer;
    timer.start();
    EXPECT_FALSE(update::Check_For_Update(setup(silent.url("/"), 300)));
    EXPECT_GE(timer.elapsed(), 250);
    EXPECT_LT(timer.elapsed(), 5000);
    EXPECT_EQ(silent.requested(), QList<QByteArray>{kPath});

    EXPECT_TRUE(boxes.shown().empty());
    EXPECT_TRUE(opened.isEmpty());
    EXPECT_TRUE(testsupport::entries(temp).isEmpty());
}
