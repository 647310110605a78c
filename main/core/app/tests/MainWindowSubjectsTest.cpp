#include "main/core/app/frmMain.h"

#include "MainWindowTreeFixture.h"
#include "StartUpFixture.h"
#include "SubjectFixtures.h"
#include "dvl_version.h"
#include "main/core/startup/ModMain.h"
#include "main/core/subjects/tree/SubjectTree.h"
#include "main/core/subjects/view/SubjectTreeView.h"
#include "main/core/subjects/view/SubjectTreeWidget.h"
#include "main/core/windows/frmMsgBox.h"
#include "platform/ui/Twips.h"
#include "TestEnvironment.h"

#include <QLabel>
#include <QMenu>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTreeWidgetItem>

#include <algorithm>

#include <gtest/gtest.h>

using startup::modMain;
using subjects::NodeId;
using subjects::NodeKind;

namespace {

TEST_F(MainWindowTree, ShowsTheShippedAndCustomSubjectsAfterStartUp)
{
    startUp();
    EXPECT_TRUE(boxes.shown().empty()) << boxes.shown().front().text.toStdString();
    ASSERT_EQ(widget->topLevelItemCount(), 4);
    QStringList tops;
    for (int i = 0; i < 4; ++i) tops << widget->topLevelItem(i)->text(0);
    EXPECT_EQ(tops, QStringList({ProgramFolderFixture::caption(caption::InstalledSubjects), ProgramFolderFixture::caption(caption::RandomSubject),
                                 ProgramFolderFixture::caption(caption::RandomPhrases), "Example"}));
    EXPECT_EQ(childTexts(widget->topLevelItem(0)), QStringList({"Colours", "Food"}));
    EXPECT_EQ(childTexts(widget->topLevelItem(3)), QStringList({"Meal"}));
    EXPECT_EQ(widget->currentItem(), widget->topLevelItem(0));
    EXPECT_FALSE(widget->topLevelItem(0)->icon(0).isNull());
}

TEST_F(MainWindowTree, ClickingSubjectsTheRandomSubjectAndTheMixLoadsTheirPhrases)
{
    startUp();
    QTreeWidgetItem* installed = top(NodeKind::InstalledFolder);
    click(installed);  // opens the folder
    QTreeWidgetItem* food = childNamed(installed, "Food");
    ASSERT_NE(food, nullptr);
    click(food);
    EXPECT_EQ(childTexts(food), QStringList({"bread", "cheese", "apple"}));
    EXPECT_TRUE(window.isEnabled());
    click(food);  // a loaded subject loads nothing more
    EXPECT_EQ(food->childCount(), 3);

    QTreeWidgetItem* random = top(NodeKind::RandomSubjectFolder);
    click(random);
    ASSERT_EQ(random->childCount(), 1);
    click(random->child(0));
    EXPECT_GE(random->child(0)->childCount(), 3);

    QTreeWidgetItem* mix = top(NodeKind::RandomPhrasesFolder);
    click(mix);
    ASSERT_EQ(mix->childCount(), 1);
    EXPECT_EQ(mix->child(0)->childCount(), 10);

    QTreeWidgetItem* meal = widget->topLevelItem(3)->child(0);
    click(widget->topLevelItem(3));
    click(meal);
    EXPECT_EQ(childTexts(meal), QStringList({"bread", "apple"}));
    EXPECT_TRUE(boxes.shown().empty()) << boxes.shown().front().text.toStdString();
    EXPECT_TRUE(window.isEnabled());
}

TEST_F(MainWindowTree, AnUnreadableSubjectIsReportedAndTheWindowStaysUsable)
{
    testsupport::writeFile(
        fixture.programDir + "Subjects/Broken." + startup::findEdition(DVL_PROGRAM_CODE)->languageCode, "not a store");
    startUp();
    QTreeWidgetItem* installed = top(NodeKind::InstalledFolder);
    click(installed);
    QTreeWidgetItem* broken = childNamed(installed, "Broken");
    ASSERT_NE(broken, nullptr);
    click(broken);
    ASSERT_EQ(boxes.shown().size(), 1u);
    EXPECT_EQ(boxes.shown()[0].icon, platform::ui::MessageIcon::Exclamation);
    EXPECT_EQ(boxes.shown()[0].title, ProgramFolderFixture::caption(caption::SubjectProblem));
    EXPECT_TRUE(window.isEnabled());
    EXPECT_EQ(widget->currentItem(), installed);
}

TEST_F(MainWindowTree, ThePhraseMenuAppearsForPhrasesOfInstalledSubjects)
{
    startUp();  // as the administrator
    QTreeWidgetItem* installed = top(NodeKind::InstalledFolder);
    click(installed);
    QTreeWidgetItem* food = childNamed(installed, "Food");
    click(food);
    QTreeWidgetItem* meal = widget->topLevelItem(3)->child(0);
    click(widget->topLevelItem(3));
    click(meal);

    // Each case: the node to select first, then the right button on it.
    const std::vector<std::pair<QTreeWidgetItem*, bool>> cases{
        {food->child(1), true}, {food, false}, {installed, false}, {meal->child(0), false}};
    for (const auto& [target, menuShown] : cases) {
        click(target);
        click(target, Qt::RightButton);
        EXPECT_EQ(phraseMenu()->isVisible(), menuShown) << target->text(0).toStdString();
        phraseMenu()->hide();
    }
    ASSERT_EQ(phraseMenu()->actions().size(), 2);
    EXPECT_EQ(phraseMenu()->actions()[0]->objectName(), "mnuEdit");
    EXPECT_EQ(phraseMenu()->actions()[0]->text(), ProgramFolderFixture::caption(caption::EditPhrase));
    EXPECT_EQ(phraseMenu()->actions()[1]->objectName(), "mnuListenToPhrase");
    EXPECT_EQ(phraseMenu()->actions()[1]->text(), ProgramFolderFixture::caption(caption::ListenToPhrase));

    // A learner who is not the administrator gets the menu too (its Edit refuses).
    QTest::mouseClick(window.findChild<QPushButton*>("btnChangeUser"), Qt::LeftButton);
    signIn("Ben Learner");
    click(food->child(1));
    click(food->child(1), Qt::RightButton);
    EXPECT_TRUE(phraseMenu()->isVisible());
}

TEST_F(MainWindowTree, ChangedCustomSubjectsAreRebuiltWhenTheWindowIsActivated)
{
    startUp();
    subjects::testing::makeCustomStore(fixture.programDir + "My Subjects/Added.v" + modMain.gLanguageCode,
                                       {{"Fruit", {}}});
    window.Refresh_Subjects();  // the flag is clear: nothing changes
    EXPECT_EQ(widget->topLevelItemCount(), 4);

    modMain.gSubjectsChanged = true;
    QEvent activate(QEvent::WindowActivate);
    QCoreApplication::sendEvent(&window, &activate);
    EXPECT_FALSE(modMain.gSubjectsChanged);
    ASSERT_EQ(widget->topLevelItemCount(), 5);
    EXPECT_EQ(widget->topLevelItem(3)->text(0), "Added");
    EXPECT_EQ(childTexts(widget->topLevelItem(3)), QStringList({"Fruit"}));
}

TEST_F(MainWindowTree, ARebuildShowsEachLoadedNameInTheMessageWindowThatIsShowing)
{
    startUp();
    // The editor shows its own wait box while it has the tree rebuilt.
    QPointer<frmMsgBox> box = new frmMsgBox;
    box->setMessage("Please wait");
    box->showModeless();
    modMain.gSubjectsChanged = true;
    window.Refresh_Subjects();
    ASSERT_FALSE(box.isNull());
    EXPECT_EQ(box->lblMsg()->text().toStdString(), "Meal");  // the last name loaded: the example store's group
    box->close();
}

TEST_F(MainWindowTree, TheTemplateContentIsLoadedForTheTickerAndTheLinkMenu)
{
    startUp();
    EXPECT_EQ(window.systemMessages().mMessageCount, 2);
    EXPECT_EQ(window.systemMessages().link(2), "page2.htm");
    EXPECT_EQ(window.tips().mTipCount, 4);
    EXPECT_EQ(window.tips().tip(1), QString("Tip 1 for %1").arg(DVL_PROGRAM_CODE));
    ASSERT_EQ(window.menuLast(), 2);

    // Three entries 750 twips apart on the parked menu panel.
    QStringList texts;
    std::vector<int> tops;
    for (QLabel* label : window.findChildren<QLabel*>()) {
        if (!label->objectName().startsWith("lblMenu")) continue;
        EXPECT_TRUE(label->isVisibleTo(label->parentWidget()));
        EXPECT_EQ(label->toolTip(), ProgramFolderFixture::caption(caption::WebBase) + label->property("Tag").toString());
        texts << label->text();
        tops.push_back(label->y());
    }
    std::sort(tops.begin(), tops.end());
    texts.sort();
    if (modMain.gInterfaceLanguage == "English") {
        EXPECT_EQ(texts, QStringList({"Link 1", "Link 2", "Link 3"}));
    }
    ASSERT_EQ(tops.size(), 3u);
    EXPECT_EQ(tops[1] - tops[0], platform::ui::twipsToPixelsY(750));
    const QWidget* menu = window.findChild<QWidget*>("picMenu");
    EXPECT_EQ(menu->x() + menu->width(), platform::ui::twipsToPixelsX(100));
}

}  // namespace
