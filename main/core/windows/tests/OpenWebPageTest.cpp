#include "main/core/windows/OpenWebPage.h"

#include "main/core/shared/AppFolder.h"
#include "main/core/startup/ModMain.h"
#include "main/core/windows/MsgYesNo.h"
#include "main/core/windows/frmMsgBox.h"
#include "platform/net/Browser.h"
#include "platform/net/Connectivity.h"
#include "platform/ui/TestClock.h"
#include "TestEnvironment.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>

#include <gtest/gtest.h>

using startup::modMain;

namespace {

struct Opened {
    QUrl url;
    QString boxText;  // the "Connecting to" box showing when the page opened
};

class WebPages : public ::testing::Test {
protected:
    WebPages()
    {
        clock_.setAutoAdvance(true);
        std::vector<QString> rows(149);
        rows[90 - 1] = "update.htm";
        rows[94 - 1] = "https://www.dravolin.example/";
        rows[95 - 1] = "offline.htm";
        modMain.gCaptions = startup::CaptionTable(rows);
        platform::setUrlOpener([this](const QUrl& url) {
            opened.push_back({url, visibleBoxText()});
            return true;
        });
    }
    ~WebPages() override
    {
        platform::setUrlOpener({});
        platform::setConnectivityCheck({});
    }

    static void setOnline(bool online) { platform::setConnectivityCheck([online] { return online; }); }
    static QString visibleBoxText()
    {
        for (QWidget* window : QApplication::topLevelWidgets())
            if (auto* box = qobject_cast<frmMsgBox*>(window); box && box->isVisible()) return box->lblMsg()->text();
        return {};
    }

    std::vector<Opened> opened;

private:
    platform::ui::TestClock clock_;
};

}  // namespace

TEST_F(WebPages, OnlineOpensThePageUnderTheWebBaseAfterTheConnectingBox)
{
    setOnline(true);
    Open_Web_Page("activities.htm");
    ASSERT_EQ(opened.size(), 1u);
    EXPECT_EQ(opened[0].url, QUrl("https://www.dravolin.example/activities.htm"));
    EXPECT_EQ(opened[0].boxText, "Connecting to https://www.dravolin.example/\nactivities.htm");
    EXPECT_EQ(visibleBoxText(), "");
}

TEST_F(WebPages, OfflineOpensTheLocalPageWhateverPageWasAsked)
{
    setOnline(false);
    Open_Web_Page("subjects.htm");
    ASSERT_EQ(opened.size(), 1u);
    EXPECT_EQ(opened[0].url, QUrl::fromLocalFile(shared::App_Folder() + "offline.htm"));
    EXPECT_EQ(opened[0].boxText, "Connecting to https://www.dravolin.example/\nsubjects.htm");
    EXPECT_EQ(visibleBoxText(), "");
}

TEST_F(WebPages, YesOfTheYesNoWindowClicksAndOpensItsPage)
{
    setOnline(true);
    auto* window = new MsgYesNo;
    window->show();
    window->btnYes()->click();
    ASSERT_EQ(opened.size(), 1u);
    EXPECT_EQ(opened[0].url, QUrl("https://www.dravolin.example/update.htm"));
    EXPECT_FALSE(window->isVisible());
    EXPECT_TRUE(testsupport::soundRecord().contains("\tclick\tasync"));
    delete window;
}
