// The editor window driven as a learner would: clicks, typing, keys, the popup
// menu, and drops handed over as the custom tree reports them.
#include "main/editor/window/frmCustomSubject.h"

#include "EditorFixture.h"
#include "main/core/windows/frmMsgBox.h"
#include "main/editor/window/EditorTreeWidgets.h"
#include "platform/ui/MessageBoxRecorder.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QLabel>
#include <QTest>
#include <QTimer>

namespace editor::testing {
namespace {

class CustomSubjectWindow : public EditorFixture {
protected:
    frmCustomSubject& openWindow()
    {
        CustomSubjectSetup setup{settings, programDir, &subjectsChanged, [this] { closing << "refresh"; },
                                 [this] { closing << "show main"; }};
        window = new frmCustomSubject(std::move(setup));
        window->Form_Load();
        window->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(window));
        return *window;
    }
    ~CustomSubjectWindow() override { delete window; }

    QTreeWidgetItem* customItem(const QString& text) const
    {
        return window->customItem(named(window->controller().customTree(), text));
    }
    QTreeWidgetItem* installedItem(const QString& text) const
    {
        return window->installedItem(named(window->controller().installedTree(), text));
    }
    static void click(QTreeWidget* tree, QTreeWidgetItem* item, Qt::MouseButton button = Qt::LeftButton)
    {
        ASSERT_TRUE(item);
        tree->scrollToItem(item);
        QTest::mouseClick(tree->viewport(), button, {}, tree->visualItemRect(item).center());
    }
    // The label editor reports what was typed after two turns of the event loop.
    static void settle()
    {
        for (int turn = 0; turn < 3; ++turn) QCoreApplication::processEvents();
    }
    // Types each character as a key press with its text (also letters with accents).
    static void type(QWidget* box, const QString& text)
    {
        for (const QChar ch : text) {
            QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(ch));
            QApplication::sendEvent(box, &press);
        }
    }
    static void pressDelete(QWidget* tree, bool autoRepeat)
    {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_Delete, Qt::NoModifier, QString(), autoRepeat);
        QApplication::sendEvent(tree, &press);
    }

    platform::ui::MessageBoxRecorder boxes;
    frmCustomSubject* window = nullptr;
};

TEST_F(CustomSubjectWindow, ARenameByTypingRenamesTheStoreAndEscapeOnlyCancels)
{
    makeStore("Mine", {{"Pets", {}}});
    openWindow();
    CustomTreeWidget* tree = window->TreeVirtual();
    click(tree, customItem("Mine"));
    EXPECT_TRUE(window->btnNewSubject()->isEnabled());
    QTest::mouseClick(window->btnRename(), Qt::LeftButton);
    QLineEdit* edit = tree->labelEditor();
    ASSERT_TRUE(edit);
    EXPECT_EQ(edit->text(), "Mine");
    edit->selectAll();
    type(edit, "Zoo d'été");
    QTest::keyClick(edit, Qt::Key_Escape);
    settle();
    EXPECT_EQ(storeFiles(), QStringList{"Mine.vfre"});
    EXPECT_EQ(customItem("Mine")->text(0), "Mine");
    EXPECT_FALSE(subjectsChanged);

    QTest::mouseClick(window->btnRename(), Qt::LeftButton);
    edit = tree->labelEditor();
    ASSERT_TRUE(edit);
    edit->selectAll();
    type(edit, "Zoo d'été");
    EXPECT_EQ(edit->text(), "Zoo d'été");
    QTest::keyClick(edit, Qt::Key_Return);
    settle();
    EXPECT_EQ(storeFiles(), QStringList{"Zoo d'été.vfre"});
    ASSERT_TRUE(customItem("Zoo d'été"));
    EXPECT_EQ(window->controller().customTree().node(named(window->controller().customTree(), "Zoo d'été"))->tag.file,
              "Zoo d'été.vfre");
    EXPECT_TRUE(subjectsChanged);
}

TEST_F(CustomSubjectWindow, ADropReportedByTheCustomTreeCopiesThePressedSubject)
{
    installSubjects();
    makeStore("Mine", {});
    openWindow();
    CustomTreeWidget* tree = window->TreeVirtual();
    QTest::mousePress(window->TreeSubjects()->viewport(), Qt::LeftButton, {},
                      window->TreeSubjects()->visualItemRect(installedItem("Colours")).center());
    const QPoint onMine = tree->visualItemRect(customItem("Mine")).center();
    emit tree->dragMoved(onMine);
    EXPECT_EQ(customItem("Mine")->background(0), window->palette().highlight());
    EXPECT_FALSE(window->Timer1().isEnabled());
    emit tree->dragMoved({onMine.x(), 2});  // the top band scrolls
    EXPECT_TRUE(window->Timer1().isEnabled());
    emit tree->dropped(onMine);

    EXPECT_FALSE(window->Timer1().isEnabled());
    EXPECT_EQ(storedSubjects("Mine"), QStringList{"Colours"});
    QTreeWidgetItem* mine = customItem("Mine");
    ASSERT_EQ(mine->childCount(), 1);
    EXPECT_TRUE(mine->isExpanded());
    EXPECT_EQ(mine->child(0)->text(0), "Colours");
    ASSERT_EQ(mine->child(0)->childCount(), 3);
    EXPECT_EQ(mine->child(0)->child(2)->text(0), "\"summer\" blue");
    EXPECT_EQ(mine->background(0), QBrush());
    EXPECT_EQ(installedItem("Colours")->childCount(), 0);  // the installed tree lost nothing
    EXPECT_TRUE(boxes.shown().empty());
}

TEST_F(CustomSubjectWindow, OnlyNewFolderIsEnabledUntilTheLearnerClicksACustomNode)
{
    makeStore("Mine", {{"Pets", {}}});
    openWindow();
    CustomTreeWidget* tree = window->TreeVirtual();
    EXPECT_EQ(tree->currentItem(), customItem("Mine"));
    const auto enabled = [this] {
        QList<bool> states;
        for (QPushButton* button : {window->btnNewFolder(), window->btnNewSubject(), window->btnRename(),
                                    window->btnDelete()})
            states << button->isEnabled();
        for (QAction* item : window->mnuEdit()->actions()) states << item->isEnabled();
        return states;  // the buttons, then the popup items: new folder, new subject, delete, rename
    };
    EXPECT_EQ(enabled(), (QList<bool>{true, false, false, false, true, false, false, false}));
    tree->setFocus();
    pressDelete(tree, false);
    EXPECT_EQ(storeFiles(), QStringList{"Mine.vfre"});

    click(tree, customItem("Mine"));
    EXPECT_EQ(enabled(), (QList<bool>{true, true, true, true, true, true, true, true}));
}

TEST_F(CustomSubjectWindow, HoldingDeleteDeletesOnceAndTheRightButtonActsOnTheNodePointedAt)
{
    makeStore("Mine", {});
    makeStore("Other", {});
    makeStore("Third", {});
    openWindow();
    CustomTreeWidget* tree = window->TreeVirtual();
    click(tree, customItem("Mine"));
    pressDelete(tree, false);
    pressDelete(tree, true);
    pressDelete(tree, true);
    EXPECT_EQ(storeFiles(), (QStringList{"Other.vfre", "Third.vfre"}));
    EXPECT_FALSE(window->btnDelete()->isEnabled());

    click(tree, customItem("Other"));
    click(tree, customItem("Third"), Qt::RightButton);
    EXPECT_EQ(tree->currentItem(), customItem("Third"));
    QAction* remove = window->mnuEdit()->actions().at(2);
    EXPECT_EQ(remove->text(), "#24");
    EXPECT_TRUE(remove->isEnabled());
    window->mnuEdit()->close();
    remove->trigger();
    EXPECT_EQ(storeFiles(), QStringList{"Other.vfre"});
}

TEST_F(CustomSubjectWindow, ARefusedNameIsShownAndTheSameNodeIsEditedAgain)
{
    makeStore("Mine", {});
    makeStore("Other", {});
    openWindow();
    CustomTreeWidget* tree = window->TreeVirtual();
    click(tree, customItem("Mine"));
    QTest::mouseClick(window->btnRename(), Qt::LeftButton);
    QLineEdit* edit = tree->labelEditor();
    ASSERT_TRUE(edit);
    edit->selectAll();
    QTest::keyClicks(edit, "Other");
    QString shown;
    // The refusal shows in the message window; the learner presses OK.
    QTimer learner;
    QObject::connect(&learner, &QTimer::timeout, [&] {
        for (QWidget* top : QApplication::topLevelWidgets())
            if (auto* box = qobject_cast<frmMsgBox*>(top); box && box->isVisible()) {
                shown = box->lblMsg()->text();
                learner.stop();
                box->btnOK()->click();
            }
    });
    learner.start(10);
    QTest::keyClick(edit, Qt::Key_Return);
    for (int i = 0; i < 100 && shown.isEmpty(); ++i) QTest::qWait(10);
    EXPECT_EQ(shown, "#125");
    EXPECT_TRUE(window->TimerEdit().isEnabled());
    emit window->TimerEdit().timeout();
    EXPECT_FALSE(window->TimerEdit().isEnabled());
    edit = tree->labelEditor();
    ASSERT_TRUE(edit);
    EXPECT_EQ(edit->text(), "Mine");
    EXPECT_EQ(tree->currentItem(), customItem("Mine"));
    EXPECT_EQ(storeFiles(), (QStringList{"Mine.vfre", "Other.vfre"}));
}

}  // namespace
}  // namespace editor::testing
