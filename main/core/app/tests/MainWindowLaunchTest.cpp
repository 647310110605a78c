#include "main/core/app/frmMain.h"

#include "StartUpFixture.h"
#include "main/core/launch/HandoffPlace.h"
#include "main/core/startup/ModMain.h"
#include "main/core/subjects/view/SubjectTreeWidget.h"
#include "platform/ui/PictureButton.h"
#include "TestEnvironment.h"

#include <QFileInfo>
#include <QTest>
#include <QTreeWidgetItem>

#include <gtest/gtest.h>

using startup::modMain;

namespace {

struct Start {
    QString program;
    QString argument;
};

// The main window after start-up and the administrator's sign-in, with program
// starts recorded instead of made.
class MainWindowLaunch : public StartUp {
protected:
    void SetUp() override
    {
        launch::LaunchSeams seams;
        seams.startProgram = [this](const QString& program, const QString& argument) {
            starts.push_back({program, argument});
            return true;
        };
        window.setLaunchSeams(seams);
        window.Form_Load();
        signIn("Ada Admin");
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
        tree = window.findChild<subjects::SubjectTreeWidget*>("TreeFolders");
    }

    void clickItem(QTreeWidgetItem* item)
    {
        tree->scrollToItem(item);
        QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, tree->visualItemRect(item).center());
    }
    void clickActivity(int index)
    {
        ASSERT_NE(window.activityPanel()->btnAct(index), nullptr);
        QTest::mouseClick(window.activityPanel()->btnAct(index), Qt::LeftButton);
    }

    frmMain window{fixture.programDir};
    subjects::SubjectTreeWidget* tree = nullptr;
    std::vector<Start> starts;
};

TEST_F(MainWindowLaunch, ASubjectThenAnActivityHandsTheStudyListToTheProgram)
{
    ASSERT_EQ(window.activityPanel()->buttonCount(), 2);
    QTreeWidgetItem* installed = tree->topLevelItem(0);
    clickItem(installed);
    QTreeWidgetItem* food = installed->child(1);
    ASSERT_EQ(food->text(0), "Food");
    clickItem(food);
    clickItem(food->child(1));  // a phrase stands for its whole subject
    clickActivity(1);

    const launch::HandoffPlace place = launch::HandoffPlace::ofThisProgram();
    ASSERT_EQ(starts.size(), 1u);
    EXPECT_EQ(starts[0].program, fixture.programDir + "Activities/05jumbler");
    EXPECT_EQ(starts[0].argument, place.studyListName());
    EXPECT_TRUE(boxes.shown().empty()) << boxes.shown().front().text.toStdString();
    EXPECT_TRUE(window.isEnabled());
    EXPECT_EQ(tree->currentItem(), food);
    EXPECT_EQ(modMain.gPhraseCount, 3);

    const QStringList lines = QString::fromUtf8(testsupport::readFile(place.studyListFile())).split("\r\n");
    ASSERT_GE(lines.size(), 15 + 3 * 4);
    EXPECT_EQ(lines[1], modMain.gProgramCode);
    EXPECT_EQ(lines[5], "Ada Admin");
    EXPECT_EQ(lines[6], "Food");
    EXPECT_EQ(lines[7], "3");
    EXPECT_EQ(lines[8], fixture.programDir + "Users.dat");
    EXPECT_EQ(lines.mid(15, 8),
              QStringList({"\"le pain\"", "\"bread\"", "\"\"", '"' + place.soundFile(1) + '"', "\"le fromage\"",
                           "\"cheese\"", "\"cheese, a\"", '"' + place.soundFile(2) + '"'}));
    for (int slot = 1; slot <= 3; ++slot) EXPECT_EQ(testsupport::readFile(place.soundFile(slot)), "RIFF");

    // Closing the main window takes its hand-off files away.
    window.close();
    EXPECT_EQ(ends, std::vector<int>({0}));
    EXPECT_FALSE(QFileInfo::exists(place.studyListFile()));
    for (int slot = 1; slot <= 3; ++slot) EXPECT_FALSE(QFileInfo::exists(place.soundFile(slot))) << slot;
}

TEST_F(MainWindowLaunch, AnActivityWithAFolderSelectedStartsNothing)
{
    clickItem(tree->topLevelItem(1));  // the random subject folder: draws one
    clickItem(tree->topLevelItem(0));
    clickActivity(0);
    EXPECT_TRUE(starts.empty());
    ASSERT_EQ(boxes.shown().size(), 1u);
    EXPECT_EQ(boxes.shown()[0].text, ProgramFolderFixture::caption(caption::ChooseSubjectFirst));
    EXPECT_TRUE(window.isEnabled());
}

}  // namespace
