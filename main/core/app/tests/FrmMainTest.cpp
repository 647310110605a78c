#include "main/core/app/frmMain.h"

#include "StartUpFixture.h"
#include "dvl_version.h"
#include "main/core/startup/CaptionRows.h"
#include "main/core/startup/ModMain.h"
#include "main/core/startup/Registry.h"
#include "platform/store/Store.h"
#include "platform/ui/Twips.h"
#include "QtTexts.h"
#include "TestEnvironment.h"

#include <QApplication>
#include <QFileInfo>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QPlainTextEdit>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

#include <gtest/gtest.h>

using startup::modMain;

namespace {

class StartUpTest : public StartUp {
protected:
    static QString setting(const QString& name)
    {
        return startup::Get_Reg_String(startup::programKey(DVL_PROGRAM_CODE), name, "<none>");
    }
    static bool splashShown()
    {
        for (QWidget* window : QApplication::topLevelWidgets())
            if (window->objectName() == "frmSplash" && window->isVisible()) return true;
        return false;
    }
};

QString textOf(const QWidget& window, const char* name)
{
    if (auto* label = window.findChild<QLabel*>(name)) return label->text();
    if (auto* button = window.findChild<QPushButton*>(name)) return button->text();
    return "<no control " + QString(name) + ">";
}

}  // namespace

TEST_F(StartUpTest, ShowsTheWindowWithItsTextsFoldersAndRegistryValues)
{
    frmMain window(fixture.programDir);
    window.Form_Load();
    const QString dir = fixture.programDir;

    EXPECT_TRUE(boxes.shown().empty()) << boxes.shown().front().text.toStdString();
    EXPECT_TRUE(ends.empty());
    EXPECT_EQ(window.windowTitle(), startup::findEdition(DVL_PROGRAM_CODE)->productTitle);
    // The sign-in window is in front; the main window waits for a sign-in.
    EXPECT_NE(signInWindow(), nullptr);
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(modMain.gProgramCode, DVL_PROGRAM_CODE);
    EXPECT_FALSE(splashShown());

    EXPECT_EQ(setting("ProgramDir"), dir);
    EXPECT_EQ(setting("InstalledSubjectsDir"), dir + "Subjects/");
    EXPECT_EQ(setting("VirtualSubjectsDir"), dir + "My Subjects/");
    EXPECT_EQ(modMain.gDataDir, dir);
    EXPECT_EQ(modMain.gInstalledSubjectsDir, dir + "Subjects/");
    EXPECT_EQ(modMain.gVirtualSubjectsDir, dir + "My Subjects/");
    EXPECT_EQ(window.folders().activitiesDir, dir + "Activities/");

    const QString code = modMain.gLanguageCode;
    EXPECT_EQ(window.installedSubjectFiles().entries(), QStringList({"Colours." + code, "food." + code}));
    EXPECT_EQ(window.customSubjectFiles().entries(), QStringList({"Example.v" + code}));
    EXPECT_EQ(window.activityPrograms().entries(), QStringList({"01cardflip", "05jumbler"}));
    EXPECT_EQ(window.lastActivity(), 1);

    if (modMain.gInterfaceLanguage == "English") {
        EXPECT_EQ(textOf(window, "lblSelectSubject"), "1. Caption 14");
        EXPECT_EQ(textOf(window, "lblSelectActivity"), "2. Caption 15");
        EXPECT_EQ(textOf(window, "lblCaption"), "Caption 20");
        EXPECT_EQ(textOf(window, "btnChangeUser"), "Caption 99");
        EXPECT_EQ(textOf(window, "btnCreateVirtualSubjects"), "Caption 65");
        EXPECT_EQ(textOf(window, "btnOpenSubjectsFolder"), "Caption 142");
        EXPECT_EQ(textOf(window, "lblMoreActs"), "Caption 114");
        EXPECT_EQ(window.pendingTickerText(), "Caption 63");
    }
    EXPECT_FALSE(window.findChild<QLabel*>("imgLogo")->pixmap().isNull());
    ASSERT_NE(window.findChild<QTreeWidget*>("TreeFolders"), nullptr);
    // The link menu is parked with 100 twips showing at the left edge.
    const QWidget* menu = window.findChild<QWidget*>("picMenu");
    EXPECT_EQ(menu->x() + menu->width(), platform::ui::twipsToPixelsX(100));
}

TEST_F(StartUpTest, QtsOwnTextsFollowTheEditionsInterfaceLanguage)
{
    ASSERT_TRUE(testsupport::qtSpanishInstalled());
    frmMain window(fixture.programDir);
    window.setProgramCode("dvleng");  // an edition with a Spanish interface
    window.Form_Load();
    EXPECT_EQ(modMain.gInterfaceLanguage, "Spanish");
    EXPECT_EQ(testsupport::standardButtonText(QDialogButtonBox::Ok), "Aceptar");
    EXPECT_TRUE(ends.empty());
}

TEST_F(StartUpTest, RegistryValueDifferingOnlyInLetterCaseIsKept)
{
    const QString key = startup::programKey(DVL_PROGRAM_CODE);
    startup::Save_Reg_String(key, "ProgramDir", fixture.programDir.toUpper());
    startup::Save_Reg_String(key, "InstalledSubjectsDir", "/somewhere/else/");
    frmMain window(fixture.programDir);
    window.Form_Load();
    EXPECT_EQ(setting("ProgramDir"), fixture.programDir.toUpper());
    EXPECT_EQ(setting("InstalledSubjectsDir"), fixture.programDir + "Subjects/");
}

TEST_F(StartUpTest, SplashShowsTheLoadingLogWhileStartUpRuns)
{
    frmMain window(fixture.programDir);
    QString status;
    // The splash is open while start-up runs: keep looking at its log from a timer.
    QTimer look;
    QObject::connect(&look, &QTimer::timeout, [&] {
        for (QWidget* top : QApplication::topLevelWidgets())
            if (auto* log = top->findChild<QPlainTextEdit*>("txtStatus"); log && top->isVisible())
                status = log->toPlainText();
    });
    look.start(0);
    window.Form_Load();
    // The loaders put their lines on top of the status line, newest first.
    if (modMain.gInterfaceLanguage == "English")
        EXPECT_EQ(status.toStdString(),
                  QStringList({"Caption 8", "Caption 23 05jumbler", "Caption 8", "Caption 23 01cardflip",
                               "Caption 8", "Caption 23 MSG #002", "Caption 8", "Caption 23 MSG #001",
                               "Caption 8", "Caption 8", "Caption 8", "Caption 23 Meal", "Caption 23  Food",
                               "Caption 23  Colours", "Caption 12.  Caption 13"})
                      .join('\n')
                      .toStdString());
    else EXPECT_TRUE(status.endsWith("Texto 12.  Texto 13")) << status.toStdString();
}

// A template store whose caption table cannot be read whole: how it is damaged,
// and what the message says of it.
struct DamagedCaptions {
    const char* name;
    int keptRows;  // rows left in the table; -1: the file is not a store at all
    const char* reason;
};

void PrintTo(const DamagedCaptions& damage, std::ostream* out) { *out << damage.name; }

class DamagedCaptionsTest : public StartUp, public ::testing::WithParamInterface<DamagedCaptions> {};

TEST_P(DamagedCaptionsTest, ShowsAPlainMessageAndEndsBeforeAnyWindow)
{
    const QString tpl = fixture.programDir + "Dravolin.tpl";
    if (GetParam().keptRows < 0) {
        QFile::remove(tpl);
        testsupport::writeFile(tpl, "damaged");
    } else {
        platform::Store store = platform::Store::open(tpl, platform::OpenMode::ReadWrite);
        store.execute("DELETE FROM tblCaptions WHERE rowid > ?", {GetParam().keptRows});
    }
    const QByteArray before = testsupport::readFile(tpl);

    frmMain window(fixture.programDir);
    window.Form_Load();
    ASSERT_EQ(boxes.shown().size(), 1u);
    const QString text = boxes.shown()[0].text;
    EXPECT_EQ(boxes.shown()[0].icon, platform::ui::MessageIcon::Critical);
    EXPECT_TRUE(text.startsWith("Lessondesk cannot start: its interface texts cannot be read from")) << text.toStdString();
    EXPECT_TRUE(text.contains("Dravolin.tpl")) << text.toStdString();
    EXPECT_TRUE(text.contains(GetParam().reason, Qt::CaseInsensitive)) << text.toStdString();
    EXPECT_TRUE(text.endsWith("Please install the program again.")) << text.toStdString();
    EXPECT_EQ(ends, std::vector<int>({1}));
    // No window with blank texts came up first, and the store is left as it was.
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(signInWindow(), nullptr);
    EXPECT_EQ(testsupport::readFile(tpl), before);
}

INSTANTIATE_TEST_SUITE_P(
    Captions, DamagedCaptionsTest,
    ::testing::Values(DamagedCaptions{"NotAStore", -1, "not a database"},
                      DamagedCaptions{"NoRows", 0, "The table of interface texts is empty."},
                      DamagedCaptions{"AnOlderProgramsFiftyRows", 50,
                                      "Interface text 51 is missing: the table holds 50 rows."},
                      DamagedCaptions{"AllButTheLastRow", caption::LastRow - 1,
                                      "Interface text 153 is missing: the table holds 152 rows."}),
    [](const ::testing::TestParamInfo<DamagedCaptions>& info) { return std::string(info.param.name); });

TEST_F(StartUpTest, SigningInShowsTheMainWindowWithTheLearnersNameAndRights)
{
    frmMain window(fixture.programDir);
    window.Form_Load();
    const QString product = modMain.gProductTitle;
    auto* btnAdmin = window.findChild<QPushButton*>("btnAdmin");
    auto* mnuOption = window.findChild<QMenu*>("mnuOption");
    auto* lblMsg = window.findChild<QLabel*>("lblMsg");

    // The administrator first, then another learner through change of user.
    const std::vector<std::pair<QString, bool>> learners{{"Ada Admin", true}, {"Ben Learner", false}};
    for (const auto& [name, administrator] : learners) {
        if (name != learners.front().first) {
            QTest::mouseClick(window.findChild<QPushButton*>("btnChangeUser"), Qt::LeftButton);
            EXPECT_FALSE(window.isVisible());
        }
        signIn(name);
        EXPECT_TRUE(window.isVisible()) << name.toStdString();
        EXPECT_EQ(signInWindow(), nullptr);
        EXPECT_EQ(modMain.gUserName, name);
        EXPECT_EQ(window.windowTitle(), product + "  [" + name + "]");
        EXPECT_EQ(lblMsg->text(), modMain.gCaptions[caption::Welcome] + " " + product + " " + name);
        EXPECT_EQ(lblMsg->font().pointSize(), 12);
        EXPECT_EQ(btnAdmin->isEnabled(), administrator) << name.toStdString();
        // The phrase menu is there for everyone; its Edit refuses a learner.
        EXPECT_TRUE(mnuOption->isEnabled()) << name.toStdString();
    }
    EXPECT_TRUE(ends.empty());
    EXPECT_TRUE(boxes.shown().empty()) << boxes.shown().front().text.toStdString();
}

TEST_F(StartUpTest, ClosingTheSignInWindowWithoutSigningInEndsTheProgram)
{
    frmMain window(fixture.programDir);
    window.Form_Load();
    ASSERT_NE(signInWindow(), nullptr);
    signInWindow()->close();
    EXPECT_EQ(ends, std::vector<int>({0}));
    EXPECT_FALSE(window.isVisible());
}

TEST_F(StartUpTest, ClosingTheWindowEndsTheProgram)
{
    frmMain window(fixture.programDir);
    window.Form_Load();
    signIn("Ben Learner");
    ASSERT_TRUE(ends.empty());
    window.close();
    EXPECT_EQ(ends, std::vector<int>({0}));
}

TEST(CheckResolution, ScreensOfLessThan460000PixelsAreTooSmall)
{
    const std::vector<std::pair<QSize, bool>> cases{
        {{800, 600}, false}, {{799, 575}, true}, {{640, 480}, true}, {{1920, 1080}, false}, {{0, 0}, true}};
    for (const auto& [size, tooSmall] : cases)
        EXPECT_EQ(frmMain::screenIsTooSmall(size), tooSmall) << size.width() << "x" << size.height();
}
