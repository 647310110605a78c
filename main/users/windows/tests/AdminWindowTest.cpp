#include "main/users/windows/frmAdmin.h"

#include "ScoreViewsFixture.h"
#include "TestEnvironment.h"
#include "UserStoreFixture.h"
#include "WindowTestKit.h"
#include "platform/store/Store.h"
#include "platform/ui/EndProgram.h"
#include "platform/ui/MessageBoxRecorder.h"
#include "platform/ui/Twips.h"

#include <QComboBox>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QPushButton>
#include <QStyle>
#include <QTest>
#include <QTreeWidget>

#include <gtest/gtest.h>

namespace users::testing {
namespace {

using platform::ui::MessageAnswer;
using scoreviews::testing::addLearners;
using scoreviews::testing::addScores;

class AdminWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        addLearners(store, {{"Zoë", "O'Brien", 7}, {"Ana", "Ruiz", 12}});
        platform::ui::setEndFunction([this](int code) { endCodes.push_back(code); });
    }

    void addResults()
    {
        addScores(store, {{"Ana Ruiz", "Pairs", "L'école", 40, {}, "2026-03-01", "09:00:00"},
                          {"Zoë O'Brien", "Letter Scramble", "L'école", std::nullopt, "00:01:30", "2026-03-02",
                           "10:00:00"},
                          {"Zoë O'Brien", "Letter Scramble", "L'école", 9, {}, "2026-03-05", "13:00:00"}});
    }

    std::unique_ptr<frmAdmin> open()
    {
        // A store in use is given up at once rather than waited for.
        auto window = std::make_unique<frmAdmin>(
            AdminSetup{store, numberedCaptions(), "Dravolin French", [this] { ++handoffDeletions; }, 0});
        window->show();
        return window;
    }

    static void chooseView(frmAdmin& window, int index)
    {
        window.cboView()->setCurrentIndex(index);
        emit window.cboView()->activated(index);
    }

    static QStringList texts(const QList<QTreeWidgetItem*>& items)
    {
        QStringList result;
        for (const QTreeWidgetItem* item : items) result << item->text(0);
        return result;
    }
    static QStringList roots(const QTreeWidget& tree)
    {
        QList<QTreeWidgetItem*> items;
        for (int i = 0; i < tree.topLevelItemCount(); ++i) items << tree.topLevelItem(i);
        return texts(items);
    }
    static QStringList children(const QTreeWidgetItem& root)
    {
        QList<QTreeWidgetItem*> items;
        for (int i = 0; i < root.childCount(); ++i) items << root.child(i);
        return texts(items);
    }
    static std::vector<QStringList> rows(const QTreeWidget& list)
    {
        std::vector<QStringList> result;
        for (int i = 0; i < list.topLevelItemCount(); ++i) {
            const QTreeWidgetItem* item = list.topLevelItem(i);
            result.push_back({item->text(0), item->text(1), item->text(2), item->text(3)});
        }
        return result;
    }
    static void click(QTreeWidget& tree, QTreeWidgetItem* item)
    {
        tree.scrollToItem(item);
        QTest::mouseClick(tree.viewport(), Qt::LeftButton, {}, tree.visualItemRect(item).center());
    }

    const QString store = makeDataFolderWithStore() + "Users.dat";
    int handoffDeletions = 0;
    std::vector<int> endCodes;
};

TEST_F(AdminWindowTest, OpensWithItsCaptionsAndNoViewChosen)
{
    const auto window = open();
    EXPECT_EQ(window->windowTitle(), caption(54));
    EXPECT_EQ(window->btnClearDatabase()->text(), caption(56));
    EXPECT_EQ(window->cboView()->count(), 3);
    EXPECT_EQ(window->cboView()->itemText(0), caption(50));
    EXPECT_EQ(window->cboView()->itemText(1), caption(46));
    EXPECT_EQ(window->cboView()->itemText(2), caption(10));
    EXPECT_EQ(window->cboView()->currentIndex(), -1);
    EXPECT_EQ(window->treeView1()->topLevelItemCount(), 0);
    const QTreeWidgetItem* header = window->listView1()->headerItem();
    EXPECT_EQ(header->text(1), caption(47));
    EXPECT_EQ(header->text(2), caption(48));
    EXPECT_EQ(header->text(3), caption(49));
    // The view's column, score, date, time.
    const int widthTwips[] = {2000, 1000, 1000, 1300};
    for (int column = 0; column < 4; ++column)
        EXPECT_EQ(window->listView1()->columnWidth(column), platform::ui::twipsToPixelsX(widthTwips[column])) << column;
    // A stored date and time show whole, beside the item's text margins, in the
    // program's own font.
    QFont font = window->listView1()->font();
    font.setFamily("Liberation Sans");
    const QFontMetricsF metrics(font);
    const int margins = 2 * (window->listView1()->style()->pixelMetric(QStyle::PM_FocusFrameHMargin) + 1);
    EXPECT_LE(metrics.horizontalAdvance("2026-12-10") + margins, window->listView1()->columnWidth(2));
    EXPECT_LE(metrics.horizontalAdvance("14:05:33") + margins, window->listView1()->columnWidth(3));
    for (int image = 1; image <= 43; ++image) EXPECT_FALSE(frmAdmin::treeImage(image).isNull()) << image;
}

TEST_F(AdminWindowTest, EachViewShowsItsPairsAndTheirResults)
{
    addResults();
    struct Case {
        int view;
        QString column;
        QStringList roots;
        QStringList children;
        int root;
        int child;
        std::vector<QStringList> rows;
    };
    const std::vector<Case> cases{
        {0, caption(10), {"Zoë O'Brien", "Ana Ruiz"}, {"Letter Scramble", "Pairs"}, 0, 0,
         {{"L'école", "00:01:30", "2026-03-02", "10:00:00"}, {"L'école", "9", "2026-03-05", "13:00:00"}}},
        {1, caption(50), {"Letter Scramble", "Pairs"}, {"L'école"}, 1, 0,
         {{"Ana Ruiz", "40", "2026-03-01", "09:00:00"}}},
        {2, caption(46), {"L'école"}, {"Zoë O'Brien", "Ana Ruiz"}, 0, 1,
         {{"Pairs", "40", "2026-03-01", "09:00:00"}}},
    };
    const auto window = open();
    QTreeWidget& tree = *window->treeView1();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.view);
        chooseView(*window, c.view);
        EXPECT_EQ(window->listView1()->headerItem()->text(0), c.column);
        ASSERT_EQ(roots(tree), c.roots);
        for (int i = 0; i < tree.topLevelItemCount(); ++i) {
            EXPECT_EQ(children(*tree.topLevelItem(i)), c.children);
            EXPECT_TRUE(tree.topLevelItem(i)->font(0).bold());
            EXPECT_FALSE(tree.topLevelItem(i)->child(0)->font(0).bold());
        }
        QTreeWidgetItem* root = tree.topLevelItem(c.root);
        click(tree, root);
        ASSERT_TRUE(root->isExpanded());
        click(tree, root->child(c.child));
        EXPECT_EQ(rows(*window->listView1()), c.rows);
    }
}

TEST_F(AdminWindowTest, TheAdministratorIsBlueAndALearnerWithoutResultsHasEmptyPairs)
{
    addResults();
    const auto window = open();
    chooseView(*window, 0);
    QTreeWidget& tree = *window->treeView1();
    EXPECT_EQ(tree.topLevelItem(0)->foreground(0).color(), QColor(0, 0, 255));
    EXPECT_NE(tree.topLevelItem(1)->foreground(0).color(), QColor(0, 0, 255));
    click(tree, tree.topLevelItem(0));
    click(tree, tree.topLevelItem(0)->child(0));
    ASSERT_EQ(window->listView1()->topLevelItemCount(), 2);

    // Clicking a root only opens or closes it: the list keeps its rows.
    click(tree, tree.topLevelItem(0));
    EXPECT_FALSE(tree.topLevelItem(0)->isExpanded());
    EXPECT_EQ(window->listView1()->topLevelItemCount(), 2);

    click(tree, tree.topLevelItem(1));
    click(tree, tree.topLevelItem(1)->child(0));
    EXPECT_EQ(window->listView1()->topLevelItemCount(), 0);
}

TEST_F(AdminWindowTest, WithoutResultsEveryViewShowsTheNoResultsNode)
{
    const auto window = open();
    QTreeWidget& tree = *window->treeView1();
    const std::vector<QStringList> expected{
        {"Zoë O'Brien", "Ana Ruiz", caption(55)}, {caption(55)}, {caption(55)}};
    for (int view = 0; view < 3; ++view) {
        chooseView(*window, view);
        EXPECT_EQ(roots(tree), expected[view]) << view;
        QTreeWidgetItem* none = tree.topLevelItem(tree.topLevelItemCount() - 1);
        EXPECT_EQ(none->childCount(), 0);
        EXPECT_TRUE(none->icon(0).isNull());
        click(tree, none);
        EXPECT_EQ(window->listView1()->topLevelItemCount(), 0);
    }
}

TEST_F(AdminWindowTest, AViewThatCannotBeBuiltIsReportedAndTheWindowStays)
{
    const auto window = open();
    ASSERT_TRUE(QFile::remove(store));
    ShownMessage shown;
    answerNextMessage(shown);
    chooseView(*window, 1);
    EXPECT_FALSE(shown.text.isEmpty());
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->treeView1()->topLevelItemCount(), 0);
    EXPECT_TRUE(endCodes.empty());
}

TEST_F(AdminWindowTest, ClearingAsksTwiceAndEitherNoChangesNothing)
{
    addResults();
    const auto window = open();
    {
        // Enter in the window is not a press of the clear button.
        platform::ui::MessageBoxRecorder boxes;
        QTest::keyClick(window.get(), Qt::Key_Return);
        EXPECT_TRUE(boxes.shown().empty());
    }
    for (const std::vector<MessageAnswer>& answers :
         {std::vector<MessageAnswer>{MessageAnswer::No}, std::vector<MessageAnswer>{MessageAnswer::Yes, MessageAnswer::No}}) {
        platform::ui::MessageBoxRecorder boxes;
        for (MessageAnswer answer : answers) boxes.queueAnswer(answer);
        QTest::mouseClick(window->btnClearDatabase(), Qt::LeftButton);
        ASSERT_EQ(boxes.shown().size(), answers.size());
        EXPECT_EQ(boxes.shown()[0].title, caption(56));
        EXPECT_EQ(boxes.shown()[0].text, caption(57) + " Dravolin French\n\n" + caption(58));
        EXPECT_EQ(boxes.shown()[0].buttons, platform::ui::MessageButtons::YesNo);
        if (answers.size() == 2) {
            EXPECT_EQ(boxes.shown()[1].text, "Dravolin French " + caption(59) + "\n\n" + caption(60));
        }
    }
    EXPECT_TRUE(QFileInfo::exists(store));
    EXPECT_EQ(handoffDeletions, 0);
    EXPECT_TRUE(endCodes.empty());
}

TEST_F(AdminWindowTest, ClearingDeletesTheStoreAndHandOffFilesThenEnds)
{
    addResults();
    testsupport::writeFile(platform::Store::journalPath(store), "stale");
    const QString folder = QFileInfo(store).absolutePath();
    testsupport::writeFile(folder + "/Notes.txt", "kept");
    const auto window = open();
    platform::ui::MessageBoxRecorder boxes;  // Yes to both questions
    ShownMessage shown;
    answerNextMessage(shown);

    QTest::mouseClick(window->btnClearDatabase(), Qt::LeftButton);

    EXPECT_EQ(boxes.shown().size(), 2u);
    EXPECT_FALSE(QFileInfo::exists(store));
    EXPECT_FALSE(QFileInfo::exists(platform::Store::journalPath(store)));
    EXPECT_TRUE(QFileInfo::exists(folder + "/Notes.txt"));
    EXPECT_EQ(handoffDeletions, 1);
    EXPECT_EQ(shown.text, caption(61));
    EXPECT_EQ(endCodes, std::vector<int>{0});
}

TEST_F(AdminWindowTest, AStoreInUseIsReportedAndKept)
{
    platform::Store saver = platform::Store::open(store, platform::OpenMode::ReadWrite);
    platform::Transaction saving(saver, platform::TransactionKind::Immediate);
    saver.execute("INSERT INTO tblScores (tName) VALUES ('Ana Ruiz')");
    const auto window = open();
    platform::ui::MessageBoxRecorder boxes;

    QTest::mouseClick(window->btnClearDatabase(), Qt::LeftButton);

    ASSERT_EQ(boxes.shown().size(), 3u);
    EXPECT_TRUE(boxes.shown()[2].text.contains("in use")) << boxes.shown()[2].text.toStdString();
    EXPECT_TRUE(QFileInfo::exists(store));
    EXPECT_EQ(handoffDeletions, 0);
    EXPECT_TRUE(endCodes.empty());
    saving.commit();
}

}  // namespace
}  // namespace users::testing
