#include "main/core/app/frmMain.h"

#include "LoopbackHttpServer.h"
#include "MainWindowTreeFixture.h"
#include "dvl_version.h"
#include "main/core/startup/ModMain.h"
#include "main/core/startup/Registry.h"
#include "platform/net/Browser.h"
#include "platform/net/Connectivity.h"
#include "platform/store/Store.h"
#include "platform/ui/Twips.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QUrl>

#include <gtest/gtest.h>

using startup::modMain;

namespace {

class MainWindowTicker : public MainWindowTree {
protected:
    MainWindowTicker()
    {
        platform::setConnectivityCheck([] { return true; });
        platform::setUrlOpener([this](const QUrl& url) {
            opened << url.toString();
            return true;
        });
    }
    ~MainWindowTicker() override
    {
        platform::setUrlOpener({});
        platform::setConnectivityCheck({});
    }

    ticker::TickerView& view() const { return *window.tickerView(); }
    QLabel* lblMsg() const { return window.findChild<QLabel*>("lblMsg"); }
    QWidget* picMenu() const { return window.findChild<QWidget*>("picMenu"); }

    // Lets the ticker run from one text to the next, opened; the text shown.
    QString nextText()
    {
        emit view().Timer2()->timeout();
        for (int i = 0; i < 200 && view().Timer1()->isEnabled(); ++i) emit view().Timer1()->timeout();
        return lblMsg()->text();
    }

    QStringList opened;
};

TEST_F(MainWindowTicker, AfterSignInTheTickerCyclesTheTextsInOrder)
{
    startUp();
    const QString welcome = modMain.gCaptions[caption::Welcome] + " " + modMain.gProductTitle + " Ada Admin";
    EXPECT_EQ(lblMsg()->text(), welcome);
    EXPECT_TRUE(view().Timer1()->isEnabled());

    for (int i = 0; i < 200 && view().Timer1()->isEnabled(); ++i) emit view().Timer1()->timeout();
    EXPECT_EQ(lblMsg()->text(), modMain.gCaptions[caption::FirstTickerText]);
    EXPECT_TRUE(view().Timer2()->isEnabled());

    // Real draws: whatever they are, tips and messages each come in store order.
    QStringList tips, messages;
    for (int turn = 0; turn < 40; ++turn) {
        const QString text = nextText();
        if (text.startsWith("Tip"))
            tips << text;
        else if (text.startsWith("Message"))
            messages << text;
        else
            ADD_FAILURE() << text.toStdString();
    }
    for (int i = 0; i < tips.size(); ++i)
        EXPECT_EQ(tips[i], QString("Tip %1 for %2").arg(i % 3 + 1).arg(DVL_PROGRAM_CODE)) << i;
    for (int i = 0; i < messages.size(); ++i) EXPECT_EQ(messages[i], QString("Message %1").arg(i % 2 + 1)) << i;
    EXPECT_GT(tips.size(), 2);
    EXPECT_GT(messages.size(), 2);

    // A message's link opens through the web page opener.
    while (!lblMsg()->text().startsWith("Message")) nextText();
    QTest::mouseClick(lblMsg(), Qt::LeftButton, {}, lblMsg()->rect().center());
    ASSERT_EQ(opened.size(), 1);
    EXPECT_TRUE(opened[0].endsWith(QString("page%1.htm").arg(lblMsg()->text().back()))) << opened[0].toStdString();

    // The next learner's welcome line leads nowhere.
    QTest::mouseClick(window.findChild<QPushButton*>("btnChangeUser"), Qt::LeftButton);
    signIn("Ben Learner");
    QTest::mouseClick(lblMsg(), Qt::LeftButton, {}, lblMsg()->rect().center());
    EXPECT_EQ(opened.size(), 1);
}

TEST_F(MainWindowTicker, TheLinkMenuSlidesOutUnderThePointerAndBackOverTheWindow)
{
    startUp();
    ticker::LinkMenuView& menu = *window.linkMenu();
    const int parked = platform::ui::twipsToPixelsX(100) - picMenu()->width();
    ASSERT_EQ(picMenu()->x(), parked);
    EXPECT_EQ(window.findChild<QLabel*>("lblURL")->text(), ProgramFolderFixture::caption(caption::WebBase));

    QTest::mouseMove(picMenu(), QPoint(picMenu()->width() - 3, 300));
    EXPECT_TRUE(menu.TimShowMenu()->isEnabled());
    for (int i = 0; i < 20 && menu.TimShowMenu()->isEnabled(); ++i) emit menu.TimShowMenu()->timeout();
    EXPECT_EQ(picMenu()->x(), platform::ui::twipsToPixelsX(-35));

    // Over the ticker's panel the menu stays; over the window it goes back.
    QWidget* panel = window.findChild<QFrame*>("PicMsg");
    QTest::mouseMove(panel, QPoint(panel->width() - 5, 5));
    EXPECT_FALSE(menu.TimHideMenu()->isEnabled());
    QTest::mouseMove(&window, QPoint(window.width() - 5, window.height() - 5));
    EXPECT_TRUE(menu.TimHideMenu()->isEnabled());
    for (int i = 0; i < 20 && menu.TimHideMenu()->isEnabled(); ++i) emit menu.TimHideMenu()->timeout();
    EXPECT_EQ(picMenu()->x(), parked);

    // An entry's click opens its page.
    QTest::mouseMove(picMenu(), QPoint(picMenu()->width() - 3, 300));
    for (int i = 0; i < 20 && menu.TimShowMenu()->isEnabled(); ++i) emit menu.TimShowMenu()->timeout();
    auto* entry = window.findChild<QLabel*>("lblMenu_1");
    ASSERT_NE(entry, nullptr);
    QTest::mouseMove(entry, entry->rect().center());
    EXPECT_TRUE(entry->font().underline());
    QTest::mouseClick(entry, Qt::LeftButton, {}, entry->rect().center());
    ASSERT_EQ(opened.size(), 1);
    EXPECT_TRUE(opened[0].endsWith("link2.htm")) << opened[0].toStdString();
}

TEST_F(MainWindowTicker, OverTheSubjectTreeTheMenuStartsHidingAndTheTickerLinkLosesItsUnderline)
{
    startUp();
    ticker::LinkMenuView& menu = *window.linkMenu();
    while (!lblMsg()->text().startsWith("Message")) nextText();
    QTest::mouseMove(lblMsg(), lblMsg()->rect().center());
    ASSERT_TRUE(lblMsg()->font().underline());
    QTest::mouseMove(picMenu(), QPoint(picMenu()->width() - 3, 300));
    ASSERT_TRUE(menu.TimShowMenu()->isEnabled());

    QTest::mouseMove(widget->viewport(), widget->viewport()->rect().center());
    EXPECT_TRUE(menu.TimHideMenu()->isEnabled());
    EXPECT_FALSE(menu.TimShowMenu()->isEnabled());
    EXPECT_FALSE(lblMsg()->font().underline());
}

// The weekly check, from the real start-up against a loopback server.
class MainWindowUpdate : public MainWindowTicker {
protected:
    MainWindowUpdate()
    {
        platform::Store store = platform::Store::open(fixture.programDir + "Dravolin.tpl", platform::OpenMode::ReadWrite);
        store.execute("UPDATE tblCaptions SET English = ?, Spanish = ? WHERE rowid = ?",
                      {server.url("/"), server.url("/"), int(caption::WebBase)});
        startup::Save_Reg_String(startup::programKey(DVL_PROGRAM_CODE), "DateChecked", "2024-02-26");
    }

    static QString dateChecked()
    {
        return startup::Get_Reg_String(startup::programKey(DVL_PROGRAM_CODE), "DateChecked");
    }
    QByteArray updatePath() const
    {
        return QStringLiteral("/updates/Ver_%1_%2_%3.txt")
            .arg(DVL_VERSION_MAJOR)
            .arg(DVL_VERSION_MINOR)
            .arg(DVL_VERSION_REVISION)
            .toLatin1();
    }

    LoopbackHttpServer server;
};

TEST_F(MainWindowUpdate, AFlaggedUpdateEndsTheProgramAfterEitherAnswer)
{
    server.respond(updatePath(), LoopbackHttpServer::response(200, "YES, This version has ended\r\n"));
    const QString page = server.url("/") + ProgramFolderFixture::caption(caption::DownloadPageName);
    for (const auto answer : {platform::ui::MessageAnswer::Yes, platform::ui::MessageAnswer::No}) {
        const bool yes = answer == platform::ui::MessageAnswer::Yes;
        startup::Save_Reg_String(startup::programKey(DVL_PROGRAM_CODE), "DateChecked", "2024-02-26");
        const std::size_t before = boxes.shown().size();
        ends.clear();
        opened.clear();
        boxes.queueAnswer(answer);
        frmMain starting(fixture.programDir);
        starting.Form_Load();
        EXPECT_EQ(dateChecked(), "2024-03-04") << yes;
        ASSERT_EQ(boxes.shown().size(), before + (yes ? 1 : 2)) << yes;
        EXPECT_EQ(boxes.shown()[before].text,
                  "This version has ended\n\n" + ProgramFolderFixture::caption(caption::OpenDownloadPage));
        EXPECT_EQ(opened, yes ? QStringList{page} : QStringList{}) << yes;
        EXPECT_EQ(ends, std::vector<int>{0}) << yes;
    }
}

TEST_F(MainWindowUpdate, AnInformingFlagLetsTheProgramGoOn)
{
    server.respond(updatePath(), LoopbackHttpServer::response(200, "INFO, Version 9 is out\r\n"));
    boxes.queueAnswer(platform::ui::MessageAnswer::Yes);
    window.Form_Load();
    ASSERT_EQ(boxes.shown().size(), 1u);
    EXPECT_EQ(opened, QStringList{server.url("/") + ProgramFolderFixture::caption(caption::DownloadPageName)});
    EXPECT_TRUE(ends.empty());
    EXPECT_NE(signInWindow(), nullptr);
}

TEST_F(MainWindowUpdate, OfflineStartUpAsksNothing)
{
    platform::setConnectivityCheck([] { return false; });
    server.respond(updatePath(), LoopbackHttpServer::response(200, "YES, This version has ended\r\n"));
    window.Form_Load();
    EXPECT_TRUE(server.requested().isEmpty());
    EXPECT_EQ(dateChecked(), "2024-02-26");
    EXPECT_TRUE(boxes.shown().empty());
    EXPECT_TRUE(ends.empty());
}

}  // namespace
