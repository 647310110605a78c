#include "main/core/activities/ActivityPanel.h"

#include "ActivityFolder.h"
#include "TestEnvironment.h"
#include "main/core/startup/ModMain.h"
#include "platform/files/FileLists.h"
#include "platform/ui/EndProgram.h"
#include "platform/ui/MessageBoxRecorder.h"
#include "platform/ui/PictureButton.h"

#include <QAccessible>
#include <QCursor>
#include <QEnterEvent>
#include <QFrame>
#include <QLabel>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

using namespace activitypanel;
using namespace activitypanel::testing;
using platform::ui::MessageIcon;
using startup::modMain;

namespace {

// Captions read "#<row>", so a test sees which row a text came from.
startup::CaptionTable fakeCaptions()
{
    std::vector<QString> rows;
    for (int row = 1; row <= 200; ++row) rows.push_back("#" + QString::number(row));
    return startup::CaptionTable(rows);
}

class ActivityPanelTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        modMain = {};
        modMain.gCaptions = fakeCaptions();
        modMain.gProductTitle = "Dravolin French";
        modMain.gInterfaceLanguage = "English";
        folder = testsupport::makeFolder("Activities");
        // Away from the pointer, so no button starts out highlighted.
        QCursor::setPos(0, 0);
        holder.setGeometry(400, 400, 348, 345);
        panel = new ActivityPanel(&holder);
        holder.show();
        previousEnd = platform::ui::setEndFunction([this](int code) { endCodes.push_back(code); });
    }
    void TearDown() override { platform::ui::setEndFunction(previousEnd); }

    // Programs as the main window lists them.
    QStringList programs() const { return platform::executablesIn(folder); }

    void addActivities(int count)
    {
        for (int i = 1; i <= count; ++i) {
            const QString number = QString::number(i).rightJustified(2, '0');
            addActivity(folder, {number + "game", "Game " + number, "Juego " + number});
        }
    }

    QString folder;
    QFrame holder;
    ActivityPanel* panel = nullptr;
    std::vector<int> endCodes;
    platform::ui::EndFunction previousEnd;
};

}  // namespace

TEST_F(ActivityPanelTest, OneButtonPerProgramNamedAndDrawnFromItsStore)
{
    addActivity(folder, {"05jumbler", "Letter Scramble", "Letras revueltas"});
    addActivity(folder, {"01cardflip", "Flash Cards", "Tarjetas"});
    addActivity(folder, {"13popper", "Gunfight", "Duelo"});
    // Not programs: a store, a text file, a file without the execute bit.
    testsupport::writeFile(folder + "readme.txt", "notes");
    testsupport::writeFile(folder + "09blaster", "not executable");

    QStringList splash;
    panel->Get_Activities(folder, programs(), [&splash](const QString& line) { splash << line; });

    ASSERT_EQ(panel->buttonCount(), 3);
    const QStringList names{"Flash Cards", "Letter Scramble", "Gunfight"};
    for (int i = 0; i < 3; ++i) {
        platform::ui::PictureButton* button = panel->btnAct(i);
        EXPECT_EQ(button->accessibleName(), names[i]);
        EXPECT_EQ(QAccessible::queryAccessibleInterface(button)->text(QAccessible::Name), names[i]);
        EXPECT_TRUE(button->isVisible());
        EXPECT_EQ(middleColour(button->currentPicture()), QColor(Qt::red));
    }
    EXPECT_EQ(splash, QStringList({"#23 01cardflip", "#8", "#23 05jumbler", "#8", "#23 13popper", "#8"}));

    // Two in the first row, the third below the first; the link below the last row.
    EXPECT_EQ(panel->btnAct(0)->y(), panel->btnAct(1)->y());
    EXPECT_GT(panel->btnAct(1)->x(), panel->btnAct(0)->x());
    EXPECT_EQ(panel->btnAct(2)->x(), panel->btnAct(0)->x());
    EXPECT_GT(panel->lblMoreActs()->y(), panel->btnAct(2)->geometry().bottom());
    EXPECT_TRUE(panel->VScroll()->isHidden());
}

TEST_F(ActivityPanelTest, PointerAndClickShowTheStatesAndReportTheProgram)
{
    addActivities(2);
    panel->Get_Activities(folder, programs());
    platform::ui::PictureButton* second = panel->btnAct(1);

    QSignalSpy moved(panel, &ActivityPanel::pointerMoved);
    QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
    QApplication::sendEvent(second, &enter);
    EXPECT_EQ(middleColour(second->currentPicture()), QColor(Qt::yellow));
    EXPECT_EQ(middleColour(panel->btnAct(0)->currentPicture()), QColor(Qt::red));
    EXPECT_GE(moved.count(), 1);

    // Held down: the highlighted picture framed by a line.
    QSignalSpy clicked(panel, &ActivityPanel::activityClicked);
    QTest::mousePress(second, Qt::LeftButton, {}, QPoint(20, 20));
    const QImage held = second->currentPicture().toImage();
    EXPECT_EQ(held.pixelColor(held.width() / 2, held.height() / 2), QColor(Qt::yellow));
    EXPECT_NE(held.pixelColor(0, held.height() / 2), QColor(Qt::yellow));
    QTest::mouseRelease(second, Qt::LeftButton, {}, QPoint(20, 20));
    // The click sound on the press and again on the release.
    const QStringList sounds = testsupport::soundRecord()
                                   .split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(sounds.size(), 2);
    for (const QString& sound : sounds) EXPECT_TRUE(sound.contains("click\tasync")) << sound.toStdString();
    ASSERT_EQ(clicked.count(), 1);
    EXPECT_EQ(clicked[0][0].toInt(), 1);
    EXPECT_EQ(clicked[0][1].toString(), folder + "02game");

    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(second, &leave);
    EXPECT_EQ(middleColour(second->currentPicture()), QColor(Qt::red));
}

TEST_F(ActivityPanelTest, SpanishEditionsShowTheSpanishPicturesAndNames)
{
    modMain.gInterfaceLanguage = "Spanish";
    addActivities(3);
    panel->Get_Activities(folder, programs());
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(middleColour(panel->btnAct(i)->currentPicture()), QColor(Qt::blue));
        EXPECT_TRUE(panel->btnAct(i)->accessibleName().startsWith("Juego "));
    }
}

TEST_F(ActivityPanelTest, NoOrOneProgramLeavesTheLinkReachable)
{
    panel->Get_Activities(folder, programs());
    EXPECT_EQ(panel->buttonCount(), 0);
    EXPECT_TRUE(panel->lblMoreActs()->isVisible());
    EXPECT_TRUE(panel->VScroll()->isHidden());

    addActivities(1);
    panel->Get_Activities(folder, programs());
    ASSERT_EQ(panel->buttonCount(), 1);
    EXPECT_TRUE(panel->btnAct(0)->isVisible());
    EXPECT_GT(panel->lblMoreActs()->y(), panel->btnAct(0)->geometry().bottom());
    EXPECT_TRUE(endCodes.empty());
}

TEST_F(ActivityPanelTest, ManyProgramsScrollAndTheKeyboardBringsAButtonIntoView)
{
    addActivities(17);
    panel->Get_Activities(folder, programs());
    ASSERT_EQ(panel->buttonCount(), 17);
    QScrollBar* scroll = panel->VScroll();
    ASSERT_TRUE(scroll->isVisible());
    EXPECT_EQ(scroll->maximum(), panel->picActs()->height() - panel->height());
    EXPECT_EQ(scroll->value(), 0);
    // The buttons stay clear of the scroll bar.
    EXPECT_LE(panel->btnAct(1)->geometry().right(), scroll->x());

    scroll->setValue(scroll->maximum());
    EXPECT_EQ(panel->picActs()->y(), -scroll->maximum());
    EXPECT_LE(panel->lblMoreActs()->geometry().bottom() + panel->picActs()->y(), panel->height());

    // The focused button is scrolled into view and shows its highlighted picture.
    panel->btnAct(0)->setFocus();
    QApplication::processEvents();
    EXPECT_GE(panel->btnAct(0)->y() + panel->picActs()->y(), 0);
    EXPECT_EQ(middleColour(panel->btnAct(0)->currentPicture()), QColor(Qt::yellow));
    panel->btnAct(1)->setFocus();
    QApplication::processEvents();
    EXPECT_EQ(middleColour(panel->btnAct(0)->currentPicture()), QColor(Qt::red));

    // A wheel turn over the panel scrolls it.
    scroll->setValue(0);
    QWheelEvent wheel(QPointF(10, 10), panel->mapToGlobal(QPointF(10, 10)), QPoint(), QPoint(0, -120),
                      Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(panel, &wheel);
    EXPECT_GT(scroll->value(), 0);
}

TEST_F(ActivityPanelTest, AProgramWithoutUsablePicturesEndsTheProgramAfterItsMessages)
{
    addActivity(folder, {"01cardflip", "Flash Cards", "Tarjetas"});
    addProgramOnly(folder, "02studybook");
    addActivity(folder, {"03twinpick", "Pairs", "Parejas"});

    platform::ui::MessageBoxRecorder boxes;
    panel->Get_Activities(folder, programs());

    ASSERT_EQ(boxes.shown().size(), 2u);
    EXPECT_EQ(boxes.shown()[0].icon, MessageIcon::Critical);
    EXPECT_EQ(boxes.shown()[0].title, "Dravolin French");
    EXPECT_EQ(boxes.shown()[0].text, "#105\n02studybook\n\n#106");
    EXPECT_EQ(boxes.shown()[1].icon, MessageIcon::Exclamation);
    EXPECT_EQ(boxes.shown()[1].title, "Dravolin French");
    EXPECT_EQ(boxes.shown()[1].text, "#107");
    EXPECT_EQ(endCodes, std::vector<int>({1}));
    EXPECT_EQ(panel->buttonCount(), 1);  // nothing was built after the failure
}

TEST_F(ActivityPanelTest, TheLinkUnderlinesUnderThePointerAndReportsItsClick)
{
    addActivities(3);
    panel->Get_Activities(folder, programs());
    QLabel* link = panel->lblMoreActs();
    QSignalSpy clicked(panel, &ActivityPanel::moreActivitiesClicked);

    QEnterEvent enter(QPointF(2, 2), QPointF(2, 2), QPointF(2, 2));
    QApplication::sendEvent(link, &enter);
    EXPECT_TRUE(link->font().underline());
    QApplication::sendEvent(panel->btnAct(0), &enter);
    EXPECT_FALSE(link->font().underline());

    QTest::mouseClick(link, Qt::LeftButton, {}, QPoint(2, 2));
    QTest::keyClick(link, Qt::Key_Return);
    EXPECT_EQ(clicked.count(), 2);
}
