#include "main/core/subjects/view/SubjectTreeView.h"
#include "main/core/subjects/view/SubjectTreeWidget.h"

#include "SubjectFixtures.h"
#include "TestEnvironment.h"

#include <QSignalSpy>
#include <QTest>
#include <QTreeWidgetItem>

#include <gtest/gtest.h>

namespace subjects {
namespace {

using namespace subjects::testing;

class SubjectTreeViewTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        makeSubjectStore(settings.installedSubjectsDir + "animals.fre", tenPhrases("a"));
        makeCustomStore(settings.virtualSubjectsDir + "Mine.vfre", {{"Pets", tenPhrases("p")}});
        tree.build();
        widget.resize(400, 600);
        widget.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&widget));
    }

    QPoint centreOf(NodeId node)
    {
        QTreeWidgetItem* item = view.itemFor(node);
        widget.scrollToItem(item);
        return widget.visualItemRect(item).center();
    }
    void click(NodeId node, Qt::MouseButton button = Qt::LeftButton)
    {
        QTest::mouseClick(widget.viewport(), button, {}, centreOf(node));
    }
    NodeId installedSubject() const
    {
        return tree.nodes().children(tree.topFolder(NodeKind::InstalledFolder)).front();
    }

    RecordingHooks recorded;
    SubjectSettings settings = sandboxSettings();
    SubjectTree tree{SubjectContext(settings, recorded.hooks()),
                     platform::RandomSource::scripted({})};
    std::vector<int> iconsAsked;
    SubjectTreeWidget widget;
    SubjectTreeView view{tree, widget, [this](int image) {
                             iconsAsked.push_back(image);
                             return QIcon();
                         }};
};

TEST_F(SubjectTreeViewTest, ItemsFollowTheModel)
{
    ASSERT_EQ(widget.topLevelItemCount(), 4);
    for (int i = 0; i < 4; ++i) {
        QTreeWidgetItem* item = widget.topLevelItem(i);
        const TreeNode* node = tree.node(SubjectTreeView::nodeOf(item));
        ASSERT_NE(node, nullptr);
        EXPECT_EQ(item->text(0), node->text);
        EXPECT_TRUE(item->font(0).bold());
    }
    EXPECT_EQ(widget.topLevelItem(3)->text(0), "Mine");
    EXPECT_EQ(widget.topLevelItem(3)->child(0)->text(0), "Pets");
    EXPECT_FALSE(widget.topLevelItem(3)->child(0)->font(0).bold());
    EXPECT_EQ(widget.currentItem(), view.itemFor(tree.topFolder(NodeKind::InstalledFolder)));
    EXPECT_NE(std::find(iconsAsked.begin(), iconsAsked.end(), images::CustomClosed), iconsAsked.end());
}

TEST_F(SubjectTreeViewTest, EveryClickRunsTheRulesEvenOnTheSelectedNode)
{
    const NodeId random = tree.topFolder(NodeKind::RandomSubjectFolder);
    click(random);
    ASSERT_EQ(tree.nodes().children(random).size(), 1u);
    tree.select(random);  // back to the folder by program: no click rules run
    ASSERT_EQ(tree.nodes().children(random).size(), 1u);
    click(random);  // the selected node again
    EXPECT_EQ(tree.nodes().children(random).size(), 0u);
    EXPECT_EQ(view.itemFor(random)->childCount(), 0);
}

TEST_F(SubjectTreeViewTest, ClickingASubjectShowsItsPhrases)
{
    click(tree.topFolder(NodeKind::InstalledFolder));
    const NodeId subject = installedSubject();
    click(subject);
    QTreeWidgetItem* item = view.itemFor(subject);
    ASSERT_EQ(item->childCount(), 10);
    EXPECT_TRUE(item->isExpanded());
    EXPECT_EQ(item->child(0)->text(0), "a 1");
    EXPECT_EQ(widget.currentItem(), item);
}

TEST_F(SubjectTreeViewTest, ADoubleClickIsOneClickThenADoubleClick)
{
    QSignalSpy doubled(&view, &SubjectTreeView::doubleClicked);
    const NodeId random = tree.topFolder(NodeKind::RandomSubjectFolder);
    // Through the window, so the press, release, press, release become a real double-click.
    QTest::mouseDClick(widget.windowHandle(), Qt::LeftButton, {},
                       widget.viewport()->mapTo(&widget, centreOf(random)));
    EXPECT_EQ(tree.nodes().children(random).size(), 1u);  // toggled once, not twice
    ASSERT_EQ(doubled.count(), 1);
    EXPECT_EQ(doubled.at(0).at(0).toInt(), tree.selected());

    // A click after the double-click counts again.
    click(random);
    EXPECT_EQ(tree.nodes().children(random).size(), 0u);
}

TEST_F(SubjectTreeViewTest, MovingWithTheKeyboardCountsAsAClick)
{
    click(tree.topFolder(NodeKind::InstalledFolder));
    click(tree.topFolder(NodeKind::InstalledFolder));  // closed again
    QTest::keyClick(&widget, Qt::Key_Down);
    const NodeId random = tree.topFolder(NodeKind::RandomSubjectFolder);
    EXPECT_EQ(tree.nodes().children(random).size(), 1u);  // its click rule ran
}

TEST_F(SubjectTreeViewTest, TheRightButtonOffersThePhraseMenuForTheSelectedPhrase)
{
    QSignalSpy menu(&view, &SubjectTreeView::phraseMenuRequested);
    click(tree.topFolder(NodeKind::InstalledFolder));
    click(installedSubject());
    const NodeId phrase = tree.nodes().children(installedSubject()).at(2);
    click(phrase);
    ASSERT_EQ(tree.selected(), phrase);

    const NodeId other = tree.nodes().children(installedSubject()).at(5);
    click(other, Qt::RightButton);
    ASSERT_EQ(menu.count(), 1);
    EXPECT_EQ(menu.at(0).at(0).toInt(), phrase);
    EXPECT_EQ(tree.selected(), phrase);  // the right button leaves the selection alone
    EXPECT_EQ(widget.currentItem(), view.itemFor(phrase));

    tree.select(tree.topFolder(NodeKind::InstalledFolder));
    click(phrase, Qt::RightButton);
    EXPECT_EQ(menu.count(), 1);  // no menu on a folder
}

TEST_F(SubjectTreeViewTest, ExpandingInTheWidgetChangesTheFolderPicture)
{
    const NodeId store = tree.nodes().roots().at(3);
    widget.expandItem(view.itemFor(store));
    EXPECT_TRUE(tree.node(store)->expanded);
    EXPECT_EQ(tree.node(store)->image, images::CustomOpen);
    widget.collapseItem(view.itemFor(store));
    EXPECT_EQ(tree.node(store)->image, images::CustomClosed);
}

TEST_F(SubjectTreeViewTest, ARebuildReplacesTheItems)
{
    bool changed = true;
    tree.Refresh_Subjects(changed);
    ASSERT_EQ(widget.topLevelItemCount(), 4);
    for (int i = 0; i < widget.topLevelItemCount(); ++i)
        EXPECT_NE(tree.node(SubjectTreeView::nodeOf(widget.topLevelItem(i))), nullptr);
}

}  // namespace
}  // namespace subjects
