#include "main/core/windows/frmSplash.h"

#include "dvl_version.h"
#include "main/core/startup/ModMain.h"

#include <QCoreApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPointer>
#include <QTest>

#include <gtest/gtest.h>

using startup::modMain;

namespace {

void setUpCaptions()
{
    std::vector<QString> rows(149);
    rows[25 - 1] = "Let's learn";
    rows[53 - 1] = "Loading, please wait...";
    modMain.gCaptions = startup::CaptionTable(rows);
    modMain.gProductTitle = "Dravolin French";
}

void deleteClosedWindows() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

}  // namespace

TEST(SplashTexts, VersionAndSlogan)
{
    EXPECT_EQ(frmSplash::versionText(2, 0, 15), "v.2.0.15");
    EXPECT_EQ(frmSplash::versionText(10, 3, 0), "v.10.3.0");
    EXPECT_EQ(frmSplash::sloganText("Let's learn", "Dravolin French"), "Let's learn French!");
    EXPECT_EQ(frmSplash::sloganText("Aprende", "Dravolin Alemán"), "Aprende Alemán!");
    EXPECT_EQ(frmSplash::sloganText("Learn", "Dravolin"), "Learn !");
}

TEST(Splash, ShowsVersionSloganInBothLabelsAndLoadingCaption)
{
    setUpCaptions();
    auto* splash = new frmSplash(QPixmap(16, 16));
    EXPECT_EQ(splash->lblVersion()->text(),
              frmSplash::versionText(DVL_VERSION_MAJOR, DVL_VERSION_MINOR, DVL_VERSION_REVISION));
    EXPECT_FALSE(splash->lblCopyRight()->text().isEmpty());
    EXPECT_EQ(splash->lblCatchyWord(0)->text(), "Let's learn French!");
    EXPECT_EQ(splash->lblCatchyWord(1)->text(), "Let's learn French!");
    EXPECT_EQ(splash->lblLoading()->text(), "Loading, please wait...");
    EXPECT_FALSE(splash->imgLogo()->pixmap().isNull());
    splash->close();
}

TEST(Splash, ProgressLinesComeNewestFirstAndStopOnceClosed)
{
    setUpCaptions();
    auto* splash = new frmSplash(QPixmap());
    const frmSplash::ProgressWriter write = splash->progressWriter();
    splash->show();
    splash->setStatus("Please wait.  Loading");
    write("Loading Colours");
    write("Loading Food");
    EXPECT_EQ(splash->txtStatus()->toPlainText(), "Loading Food\nLoading Colours\nPlease wait.  Loading");

    QPointer<frmSplash> guard(splash);
    QTest::keyClick(splash, Qt::Key_Space);  // any key closes the splash
    EXPECT_FALSE(splash->isVisible());
    write("Loading after close");
    deleteClosedWindows();
    EXPECT_TRUE(guard.isNull());
    write("Loading after the window is gone");
}
