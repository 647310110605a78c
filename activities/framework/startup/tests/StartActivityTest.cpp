// Start_Activity as an activity runs it: a launch written by the real writer,
// a configuration store beside the program, the end of the program observed.
#include "activities/framework/startup/ActivityWindow.h"

#include "common/studylist/HandoffFiles.h"
#include "activities/framework/testkit/ActivityTestKit.h"
#include "activities/framework/testkit/ModalDriver.h"
#include "activities/framework/windows/FrameworkTexts.h"
#include "activities/framework/windows/frmInstructions.h"
#include "activities/framework/windows/frmScores.h"
#include "platform/ui/EndProgram.h"
#include "platform/store/Store.h"
#include "platform/ui/MessageBoxRecorder.h"
#include "platform/ui/TestClock.h"
#include "platform/ui/Timer.h"
#include "common/schema/Schema.h"

#include "QtTexts.h"
#include "TestEnvironment.h"

#include <QFileInfo>
#include <QLabel>
#include <QTimer>

#include <gtest/gtest.h>

#include <csignal>
#include <functional>
#include <string>
#include <unistd.h>

using activity::ActivityWindow;

namespace {

constexpr std::int64_t kActivityPid = 7070;

// An activity that records what the framework asked of it.
class ProbeActivity : public ActivityWindow {
public:
    using ActivityWindow::ActivityWindow;
    using ActivityWindow::ending;
    QStringList calls;
    bool passOwnCheck = true;
    int paints = 0;
    std::string okButtonAfterStudyList;  // Qt's own text, before any caption is read

protected:
    void paintEvent(QPaintEvent* event) override
    {
        ++paints;
        ActivityWindow::paintEvent(event);
    }
    void afterStudyList() override
    {
        calls << "afterStudyList";
        okButtonAfterStudyList = testsupport::standardButtonText(QDialogButtonBox::Ok);
    }
    bool afterCaptions() override
    {
        calls << "afterCaptions";
        return passOwnCheck;
    }
    void setUpActivity() override { calls << "setUp:" + windowTitle(); }
    void beforeInstructions() override { calls << QString("beforeInstructions:%1").arg(isVisible()); }
    void startGame() override { calls << "startGame"; }
    void runInstructions() override
    {
        calls << "instructions";
        ActivityWindow::runInstructions();
    }
};

class StartActivity : public ::testing::Test {
protected:
    void SetUp() override
    {
        environment.tempFolder = testsupport::makeFolder("tmp");
        environment.appFolder = testsupport::makeFolder("Activities");
        environment.pid = kActivityPid;
        setup.program = "02probe";
        setup.instructions = {13, 14, 2, 3};
        setup.lastCaption = 14;
        platform::ui::setEndFunction([this](int code) { endCodes.push_back(code); });
    }
    void TearDown() override { platform::ui::setEndFunction({}); }

    QString copyPath(int slot) const { return environment.tempFolder + studylist::soundFileName(kActivityPid, slot); }

    activity::ActivityEnvironment environment;
    activity::ActivitySetup setup;
    std::vector<int> endCodes;
    platform::ui::MessageBoxRecorder boxes;
    activitytest::ModalDriver modals;
};

}  // namespace

TEST_F(StartActivity, RunsTheCommonSequenceAndHandsOverToTheGame)
{
    activitytest::makeConfigStore(environment.appFolder, "02probe", activitytest::numberedCaptions(20, "caption"));
    const auto launch = activitytest::writeLaunch(environment.tempFolder, 3, "/data/Users.dat", {2});

    ProbeActivity window(setup);
    QString instructionCaption;
    modals.onInstructions = [&](frmInstructions& instructions) { instructionCaption = instructions.windowTitle(); };
    ASSERT_TRUE(window.Start_Activity({launch.studyListName}, environment));

    EXPECT_EQ(window.calls, QStringList({"afterStudyList", "afterCaptions",
                                         "setUp:Lessondesk French - caption 2 " DVL_TEST_VERSION, "beforeInstructions:1",
                                         "instructions", "startGame"}));
    EXPECT_EQ(instructionCaption, "caption 13");
    EXPECT_EQ(modals.instructions, QStringList({"caption 2", "caption 3", "caption 14"}));
    EXPECT_TRUE(endCodes.empty());
    EXPECT_TRUE(boxes.shown().empty());

    EXPECT_EQ(window.mProgramCode, "dvlfre");
    EXPECT_EQ(window.mUserName, "Ana Diaz");
    EXPECT_EQ(window.mSubject, "Colours");
    EXPECT_EQ(window.mUserStore, "/data/Users.dat");
    EXPECT_EQ(window.mPhraseCount, 3);
    EXPECT_EQ(window.mCaptions.count(), 20);
    EXPECT_EQ(window.mPhrases[0], activity::ActivityPhrase{});
    EXPECT_EQ(window.mPhrases[1], (activity::ActivityPhrase{"phrase 1, with a comma", "translation 1", "", copyPath(1), 1}));
    EXPECT_EQ(window.mPhrases[3].number, 3);
    EXPECT_EQ(testsupport::readFile(copyPath(1)), activitytest::tinyWav(1));
    // A phrase whose sound is missing is still studied; its copy simply does not exist.
    EXPECT_EQ(window.mPhrases[2].sound, copyPath(2));
    EXPECT_FALSE(QFileInfo::exists(copyPath(2)));
    EXPECT_FALSE(window.ending());

    // Closing the window deletes this program's copies and nothing of the main program's.
    window.close();
    EXPECT_EQ(endCodes, std::vector<int>{0});
    EXPECT_TRUE(window.ending());
    QStringList left = activitytest::filesIn(environment.tempFolder);
    QStringList mainFiles{studylist::soundFileName(activitytest::kMainPid, 1),
                          studylist::soundFileName(activitytest::kMainPid, 3), launch.studyListName};
    left.sort();
    mainFiles.sort();
    EXPECT_EQ(left, mainFiles);
}

TEST_F(StartActivity, QtsOwnTextsSpeakTheStudyListsInterfaceLanguageBeforeAnyCaption)
{
    ASSERT_TRUE(testsupport::qtSpanishInstalled());
    activitytest::makeConfigStore(environment.appFolder, "02probe", activitytest::numberedCaptions(20, "caption"));
    for (const auto& [language, ok] : {std::pair{"Spanish", "Aceptar"}, std::pair{"English", "OK"}}) {
        SCOPED_TRACE(language);
        const auto launch = activitytest::writeLaunch(environment.tempFolder, 2, "/data/Users.dat", {}, language);
        ProbeActivity window(setup);
        ASSERT_TRUE(window.Start_Activity({launch.studyListName}, environment));
        EXPECT_EQ(window.okButtonAfterStudyList, ok);
        window.close();
    }
}

TEST_F(StartActivity, AnEmptyCommandLineEndsSilentlyBeforeReadingAnything)
{
    ProbeActivity window(setup);
    EXPECT_FALSE(window.Start_Activity({}, environment));
    EXPECT_EQ(endCodes, std::vector<int>{0});
    EXPECT_TRUE(boxes.shown().empty());
    EXPECT_TRUE(window.calls.isEmpty());
    EXPECT_FALSE(window.isVisible());
}

TEST_F(StartActivity, AStudyListThatCannotBeReadEndsWithItsOwnMessageAndNoCopies)
{
    activitytest::makeConfigStore(environment.appFolder, "02probe", activitytest::numberedCaptions(20, "caption"));
    const auto launch = activitytest::writeLaunch(environment.tempFolder, 2, "/data/Users.dat");
    const QString tooMany = testsupport::writeFile(
        environment.tempFolder + "~dvl9.txt",
        "1\r\ndvlfre\r\nT\r\nEnglish\r\nFrench\r\nA B\r\nS\r\n11\r\n/u\r\nEMPTY\r\nEMPTY\r\nEMPTY\r\nEMPTY\r\nEMPTY\r\n0\r\n");
    QByteArray hugeCount = testsupport::readFile(launch.studyListPath);
    hugeCount.replace("\r\n2\r\n", "\r\n" + QByteArray(10'000'000, '9') + "\r\n");
    testsupport::writeFile(environment.tempFolder + "~dvl10.txt", hugeCount);
    const std::vector<std::pair<const char*, QString>> cases{
        {"missing", "~dvl4444.txt"},
        {"a count line of ten million digits", "~dvl10.txt"},
        {"only blanks", "   "},
        {"count outside 1 to 10", "~dvl9.txt"},
        {"outside the folder", "../" + launch.studyListName},
    };
    for (const auto& [name, argument] : cases) {
        SCOPED_TRACE(name);
        endCodes.clear();
        const std::size_t before = boxes.shown().size();
        ProbeActivity window(setup);
        EXPECT_FALSE(window.Start_Activity({argument}, environment));
        EXPECT_EQ(endCodes, std::vector<int>{1});
        ASSERT_EQ(boxes.shown().size(), before + 1);
        const QString text = boxes.shown().back().text;
        EXPECT_TRUE(text.startsWith("This activity cannot start")) << text.left(300).toStdString();
        EXPECT_LT(text.size(), 600) << "values are quoted in part only";
        EXPECT_NE(text, activity::olderVersionText());
        EXPECT_TRUE(window.calls.isEmpty());
        EXPECT_FALSE(QFileInfo::exists(copyPath(1)));
    }
    EXPECT_TRUE(QFileInfo::exists(tooMany));
}

TEST_F(StartActivity, AnUnreadableConfigurationStoreEndsWithTheOlderVersionMessageAndDeletesTheCopies)
{
    const auto launch = activitytest::writeLaunch(environment.tempFolder, 2, "/data/Users.dat", {}, "Spanish");
    struct Case {
        const char* name;
        int rows;
        QStringList spanish;
        int lastCaption;
        QString olderVersionName;
        QString expected;
        QString failure;  // in the message box title
    };
    const QStringList twelve = activitytest::numberedCaptions(12, "fila");
    const std::vector<Case> cases{
        // Row 3 has no Spanish value.
        {"a row with no value", 3, {"a", "b"}, 3, "", activity::olderVersionText(), "row 3"},
        {"named activity", 3, {"a", "b"}, 3, "Popper", activity::olderVersionText("Popper"), "row 3"},
        // A store of an older program: every row has a value, the last one read is missing.
        {"a row the program reads is not there", 12, twelve, 13, "", activity::olderVersionText(), "row 13"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        endCodes.clear();
        activitytest::makeConfigStore(environment.appFolder, "02probe", activitytest::numberedCaptions(c.rows, "row"),
                                      c.spanish);
        setup.olderVersionName = c.olderVersionName;
        setup.lastCaption = c.lastCaption;
        ProbeActivity window(setup);
        EXPECT_FALSE(window.Start_Activity({launch.studyListName}, environment));
        EXPECT_EQ(endCodes, std::vector<int>{1});
        ASSERT_FALSE(boxes.shown().empty());
        const auto& box = boxes.shown().back();
        EXPECT_EQ(box.text, c.expected);
        EXPECT_EQ(box.icon, platform::ui::MessageIcon::Exclamation);
        EXPECT_TRUE(box.title.contains(c.failure)) << box.title.toStdString();  // the failure's description
        EXPECT_EQ(window.calls, QStringList{"afterStudyList"});
        EXPECT_FALSE(QFileInfo::exists(copyPath(1)));
        EXPECT_FALSE(QFileInfo::exists(copyPath(2)));
    }
    EXPECT_TRUE(activity::olderVersionText().contains("update from www.dravolin.example."));
    EXPECT_TRUE(activity::olderVersionText("Popper").contains("older version of Popper and"));
}

TEST_F(StartActivity, AnActivitysOwnCheckMayEndItAndTheCopiesGoToo)
{
    activitytest::makeConfigStore(environment.appFolder, "02probe", activitytest::numberedCaptions(20, "caption"));
    const auto launch = activitytest::writeLaunch(environment.tempFolder, 2, "/data/Users.dat");
    ProbeActivity window(setup);
    window.passOwnCheck = false;
    EXPECT_FALSE(window.Start_Activity({launch.studyListName}, environment));
    EXPECT_EQ(window.calls, QStringList({"afterStudyList", "afterCaptions"}));
    EXPECT_EQ(endCodes, std::vector<int>{0});
    EXPECT_FALSE(QFileInfo::exists(copyPath(1)));
}

TEST_F(StartActivity, AScoreIsKeptShownAndEndsTheActivity)
{
    activitytest::makeConfigStore(environment.appFolder, "02probe", activitytest::numberedCaptions(20, "caption"));
    const QString store = testsupport::makeFolder("data") + "Users.dat";
    {
        platform::Store users = platform::Store::create(store);
        schema::createUserTables(users);
    }
    const auto launch = activitytest::writeLaunch(environment.tempFolder, 2, store);
    ProbeActivity window(setup);
    ASSERT_TRUE(window.Start_Activity({launch.studyListName}, environment));

    QStringList shown;
    bool endingWhileShown = false;
    modals.onScores = [&](frmScores& scores) {
        endingWhileShown = window.ending();
        for (auto* label : scores.findChildren<QLabel*>()) shown << label->text();
        scores.close();  // the close box slides the window out as OK does
        for (int tick = 0; scores.isVisible() && tick < 1000; ++tick) emit scores.Timer1()->timeout();
    };
    EXPECT_FALSE(window.ending());
    window.saveNumberScore(80, 8, 7, "%");
    EXPECT_EQ(endCodes, std::vector<int>{0});
    // No game handler runs while the score window is up.
    EXPECT_TRUE(endingWhileShown);
    EXPECT_TRUE(shown.contains("caption 8"));
    EXPECT_FALSE(QFileInfo::exists(copyPath(1)));
    const auto rows = platform::Store::open(store, platform::OpenMode::ReadOnly)
                          .query("SELECT tName, numberScore, tActivity, tSubject FROM tblScores");
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0]["numberScore"].toInt(), 80);
    EXPECT_EQ(rows[0]["tActivity"].toText(), "caption 2");
    EXPECT_EQ(rows[0]["tSubject"].toText(), "Colours");
}

TEST_F(StartActivity, ACloseOrSigtermWhileTheResultWaitsForALockedStoreEndsItAtOnceWithNothingWritten)
{
    platform::ui::TestClock clock;
    clock.setAutoAdvance(true);
    activitytest::makeConfigStore(environment.appFolder, "02probe", activitytest::numberedCaptions(20, "caption"));
    const QString store = testsupport::makeFolder("data") + "Users.dat";
    {
        platform::Store users = platform::Store::create(store);
        schema::createUserTables(users);
    }
    const QByteArray before = testsupport::readFile(store);
    struct Case {
        const char* name;
        std::function<void(ProbeActivity&)> end;
    };
    const std::vector<Case> cases{
        {"closing the window", [](ProbeActivity& window) { window.close(); }},
        {"SIGTERM", [](ProbeActivity&) { ::kill(::getpid(), SIGTERM); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        endCodes.clear();
        const auto launch = activitytest::writeLaunch(environment.tempFolder, 2, store);
        ProbeActivity window(setup);
        ASSERT_TRUE(window.Start_Activity({launch.studyListName}, environment));

        // Another program holds the store; while the result waits the window
        // is asked to repaint, then ended.
        platform::Store holder = platform::Store::open(store, platform::OpenMode::ReadWrite);
        holder.execute("BEGIN EXCLUSIVE");
        int paintsAsked = -1;
        qint64 endedAt = -1;
        int ticks = 0;
        QTimer events;
        QObject::connect(&events, &QTimer::timeout, [&] {
            ++ticks;
            if (ticks == 2) {
                paintsAsked = window.paints;
                window.update();
            } else if (ticks == 5) {
                endedAt = clock.monotonicMs();
                c.end(window);
            }
        });
        events.start(0);
        window.saveNumberScore(80, 8, 7, "%");
        events.stop();

        EXPECT_EQ(endCodes, std::vector<int>{0});
        ASSERT_GE(endedAt, 0) << "the wait ran no events";
        EXPECT_GT(window.paints, paintsAsked);
        EXPECT_LT(clock.monotonicMs() - endedAt, 1000);
        EXPECT_TRUE(boxes.shown().empty());  // no sentence: the program ended
        EXPECT_TRUE(modals.scores.empty());
        EXPECT_FALSE(QFileInfo::exists(copyPath(1)));
        holder.execute("ROLLBACK");
        holder.close();
        EXPECT_EQ(testsupport::readFile(store), before);
        EXPECT_FALSE(QFileInfo::exists(platform::Store::journalPath(store)));
    }
}

TEST_F(StartActivity, AMissingUserStoreEndsTheActivityWithoutStoringOrShowing)
{
    activitytest::makeConfigStore(environment.appFolder, "02probe", activitytest::numberedCaptions(20, "caption"));
    const QString gone = testsupport::makeFolder("data") + "Users.dat";
    const auto launch = activitytest::writeLaunch(environment.tempFolder, 1, gone);
    ProbeActivity window(setup);
    ASSERT_TRUE(window.Start_Activity({launch.studyListName}, environment));
    window.saveTimeScore("00:01:00", 11, 10);
    EXPECT_EQ(endCodes, std::vector<int>{0});
    EXPECT_TRUE(boxes.shown().empty());
    EXPECT_FALSE(QFileInfo::exists(gone));
    EXPECT_FALSE(QFileInfo::exists(copyPath(1)));
}

TEST_F(StartActivity, ATemporaryFolderThatIsNotSafeEndsWithTheStudyListMessage)
{
    // The suite's private folder has been replaced by a link to somewhere else.
    const QString elsewhere = testsupport::makeFolder("elsewhere");
    ASSERT_TRUE(QFile::link(elsewhere, qEnvironmentVariable("XDG_RUNTIME_DIR") + "/dravolin"));
    ProbeActivity window(setup);
    EXPECT_FALSE(window.Start_Activity({"~dvl5150.txt"}));
    EXPECT_EQ(endCodes, std::vector<int>{1});
    ASSERT_EQ(boxes.shown().size(), 1u);
    EXPECT_TRUE(boxes.shown()[0].text.startsWith("This activity cannot start"));
    EXPECT_TRUE(window.calls.isEmpty());
}
