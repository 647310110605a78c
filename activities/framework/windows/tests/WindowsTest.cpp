// The shared windows driven as a learner would: pictures and texts that move,
// the clicks they play, the ways they close.
#include "activities/framework/windows/EarlyKeyGuard.h"
#include "activities/framework/windows/ShapeButton.h"
#include "activities/framework/windows/frmInstructions.h"
#include "activities/framework/windows/frmMsg.h"
#include "activities/framework/windows/frmScores.h"
#include "platform/ui/PictureButton.h"
#include "platform/ui/TestClock.h"
#include "platform/ui/Timer.h"
#include "platform/ui/Twips.h"

#include "TestEnvironment.h"

#include <QAccessible>
#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

#include <gtest/gtest.h>

#include <functional>

namespace {

int clicksPlayed()
{
    return testsupport::soundRecord().count("\tCLICK\tasync");
}

// Runs `act` on the window once its modal loop has started.
template <typename Act>
void whenShown(Act act)
{
    QTimer::singleShot(0, act);
}

// A keyboard user reaches the button with Tab; a screen reader finds it as a
// button named by its caption.
void expectReachable(QAbstractButton* button, const QString& spoken)
{
    EXPECT_TRUE(button->focusPolicy() & Qt::TabFocus) << spoken.toStdString();
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(button);
    ASSERT_NE(accessible, nullptr);
    EXPECT_EQ(accessible->role(), QAccessible::Button);
    EXPECT_EQ(accessible->text(QAccessible::Name), spoken);
}

// A key the keyboard repeats while it is held down.
void sendRepeatedKey(QWidget* to, Qt::Key key)
{
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, QString(), true);
    QApplication::sendEvent(to, &press);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, QString(), true);
    QApplication::sendEvent(to, &release);
}

// The keys of a learner still playing when an end window comes up: none of
// them presses its OK button until the window has been up for 0.75 s, and a
// held key never does by repeating, whether the repeats come marked as such or
// as a release and a press at the same moment; a fresh Space after that does.
// `answered` tells whether OK was pressed.
void expectKeysHeldBackAtFirst(platform::ui::TestClock& clock, QAbstractButton* ok,
                               const std::function<bool()>& answered)
{
    for (Qt::Key key : {Qt::Key_Space, Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape})
        QTest::keyClick(ok, key);
    EXPECT_FALSE(answered()) << "keys at once";
    clock.advance(700);
    QTest::keyPress(ok, Qt::Key_Space);  // held down from here
    clock.advance(49);
    QTest::keyClick(ok, Qt::Key_Return);
    EXPECT_FALSE(answered()) << "keys within 0.75 s";
    for (int repeat = 0; repeat < 3; ++repeat) {
        clock.advance(40);
        sendRepeatedKey(ok, Qt::Key_Space);
        clock.advance(40);
        QTest::keyRelease(ok, Qt::Key_Space);
        QTest::keyPress(ok, Qt::Key_Space);
    }
    sendRepeatedKey(ok, Qt::Key_Return);
    clock.advance(40);
    QTest::keyRelease(ok, Qt::Key_Space);  // let go at last
    EXPECT_FALSE(answered()) << "a held key";
    clock.advance(150);
    QTest::keyClick(ok, Qt::Key_Space);
    EXPECT_TRUE(answered()) << "a fresh press after 0.75 s";
}

}  // namespace

TEST(frmInstructions, ThePlayTextMovesDownWithThePictureAndClickingItStartsTheGame)
{
    frmInstructions window;
    EXPECT_EQ(window.lblTitle()->text(), "");  // no design text ever shows
    window.setTexts("How to play", "PLAY", "Studybook", "<b>Read</b> the phrases.");
    EXPECT_EQ(window.lblbody()->textFormat(), Qt::PlainText);
    EXPECT_EQ(window.windowTitle(), "How to play");

    bool accepted = false;
    whenShown([&] {
        QLabel* text = window.lblButton();
        const int rest = text->y();
        EXPECT_EQ(rest, window.buttonRestTop());
        const QPoint onText = text->geometry().center();
        // The text lets the mouse through to the picture beneath it.
        QWidget* target = window.childAt(onText);
        ASSERT_EQ(target, window.imgButton());
        const QPoint local = window.imgButton()->mapFrom(&window, onText);
        QTest::mousePress(window.imgButton(), Qt::LeftButton, {}, local);
        EXPECT_EQ(text->y(), rest + platform::ui::twipsToPixelsY(20));
        EXPECT_TRUE(window.imgButton()->isDown());
        EXPECT_EQ(clicksPlayed(), 1);
        QTest::mouseRelease(window.imgButton(), Qt::LeftButton, {}, local);
        EXPECT_EQ(text->y(), rest);
        EXPECT_EQ(clicksPlayed(), 2);
    });
    window.showModal();
    accepted = window.result() == QDialog::Accepted;
    EXPECT_TRUE(accepted);
    EXPECT_FALSE(window.isVisible());
}

TEST(frmInstructions, EnterStartsTheGameAndOtherKeysDoNothing)
{
    frmInstructions window;
    window.setTexts("c", "PLAY", "t", "b");
    int escapesSurvived = 0;
    whenShown([&] {
        QTest::keyClick(&window, Qt::Key_Escape);
        QTest::keyClick(&window, Qt::Key_A);
        if (window.isVisible()) ++escapesSurvived;
        QTest::keyClick(&window, Qt::Key_Return);
    });
    window.showModal();
    EXPECT_EQ(escapesSurvived, 1);
    EXPECT_EQ(window.result(), QDialog::Accepted);
    EXPECT_EQ(clicksPlayed(), 1);
}

TEST(frmMsg, StartsEmptyStaysUsableWhenItsActivityIsDisabledAndClosesOnOk)
{
    QWidget activityWindow;
    activityWindow.setWindowTitle("Keytap");
    activityWindow.show();
    frmMsg message(&activityWindow);
    for (QLabel* label : {message.lblMsg(), message.lblmsg2(), message.lblAnswer()}) {
        EXPECT_EQ(label->text(), "") << label->objectName().toStdString();
        EXPECT_EQ(label->textFormat(), Qt::PlainText);
    }
    message.lblAnswer()->setText("la maison");
    message.lblOK()->setText("\r\nOK");

    activityWindow.setEnabled(false);  // an activity may disable its own window meanwhile
    QColor pressedFill;
    whenShown([&] {
        EXPECT_TRUE(message.isEnabled());
        EXPECT_TRUE(message.lblOK()->isEnabled());
        QTest::mousePress(message.lblOK(), Qt::LeftButton);
        pressedFill = message.lblOK()->fillColor();
        QTest::mouseRelease(message.lblOK(), Qt::LeftButton);
    });
    message.showModal();
    EXPECT_EQ(pressedFill, QColor(Qt::black));
    EXPECT_NE(message.lblOK()->fillColor(), QColor(Qt::black));
    EXPECT_EQ(message.result(), QDialog::Accepted);
    EXPECT_EQ(clicksPlayed(), 2);
}

TEST(frmScores, OkSlidesTheWindowOutTwoHundredTwipsATickUntilItCloses)
{
    frmScores window(platform::RandomSource::scripted({0.3}));  // down
    EXPECT_EQ(window.exitDirection(), activity::ScoreSlide::Direction::Down);
    window.setTexts("Jumbler", "Colours", "Top ten", "\r\nGo on");
    window.setItems({{"1", "Ana", "35 points", "04/03/2024", "10:00:00", false},
                     {"2", "Bo", "20 points", "04/03/2024", "10:01:00", true}});
    EXPECT_EQ(window.lblBegin()->text(), "\r\nGo on");
    ASSERT_EQ(window.ListView1()->topLevelItemCount(), 2);
    EXPECT_TRUE(window.ListView1()->topLevelItem(1)->isSelected());
    EXPECT_FALSE(window.ListView1()->topLevelItem(0)->isSelected());

    int ticks = 0;
    whenShown([&] {
        EXPECT_FALSE(window.Timer1()->isEnabled());
        QTest::mouseClick(window.lblBegin(), Qt::LeftButton);
        EXPECT_TRUE(window.Timer1()->isEnabled());
        const int startTop = platform::ui::pixelsToTwipsY(window.y());
        // Tick by hand; the slide ends by its own count even if the window
        // were held back at the screen's edge.
        while (window.isVisible() && ticks < 1000) {
            emit window.Timer1()->timeout();
            ++ticks;
        }
        EXPECT_EQ(ticks, (10000 - startTop + 199) / 200);
    });
    window.showModal();
    EXPECT_FALSE(window.Timer1()->isEnabled());
    EXPECT_EQ(window.result(), QDialog::Accepted);
}

TEST(frmScores, LongDatesAndScoresShowWholeAndTheNameColumnGivesWay)
{
    frmScores window(platform::RandomSource::scripted({0.3}));
    window.setItems({{"10", "Ana", "1234567890123 Points", "Wednesday, 4 September 2024", "10:00:00", false}});
    QTreeWidget* list = window.ListView1();
    const QTreeWidgetItem* item = list->topLevelItem(0);
    for (int column : {2, 3, 4}) {
        const int textWidth = list->fontMetrics().horizontalAdvance(item->text(column));
        EXPECT_GE(list->columnWidth(column), textWidth) << "column " << column;
    }
    EXPECT_GE(list->columnWidth(1), platform::ui::twipsToPixelsX(1000));
}

TEST(FrameworkButtons, ScreenReadersFindThemByTheirCaptionAndTheKeyboardPressesThem)
{
    platform::ui::TestClock clock;
    const auto settle = [&] { clock.advance(activity::EarlyKeyGuard::kSettleMs); };
    const std::pair<const char*, Qt::Key> keys[] = {
        {"Space", Qt::Key_Space}, {"Return", Qt::Key_Return}, {"keypad Enter", Qt::Key_Enter}};
    for (const auto& [name, key] : keys) {
        SCOPED_TRACE(name);
        {
            frmInstructions window;
            window.setTexts("c", "\r\nPLAY", "t", "b");
            whenShown([&, key = key] {
                expectReachable(window.imgButton(), "PLAY");
                QTest::keyClick(window.imgButton(), key);
            });
            window.showModal();
            EXPECT_EQ(window.result(), QDialog::Accepted);
        }
        {
            frmMsg message;
            message.lblOK()->setText("\r\nContinue");
            whenShown([&, key = key] {
                expectReachable(message.lblOK(), "Continue");
                settle();
                QTest::keyClick(message.lblOK(), key);
            });
            message.showModal();
            EXPECT_EQ(message.result(), QDialog::Accepted);
        }
        {
            frmScores scores(platform::RandomSource::scripted({}));
            scores.setTexts("Jumbler", "Colours", "Top ten", "\nWell\r\ndone");
            whenShown([&, key = key] {
                expectReachable(scores.lblBegin(), "Well done");
                settle();
                QTest::keyClick(scores.lblBegin(), key);
                for (int tick = 0; tick < 1000 && scores.isVisible(); ++tick) emit scores.Timer1()->timeout();
            });
            scores.showModal();
            EXPECT_FALSE(scores.isVisible());
        }
    }
}

TEST(EndWindows, KeysOfTheirFirstThreeQuartersOfASecondAndRepeatedKeysDoNothingTheMouseWorksAtOnce)
{
    platform::ui::TestClock clock;
    clock.advance(60000);  // the game ran a while before its end
    {
        frmMsg message;
        message.lblOK()->setText("\r\nOK");
        whenShown([&] { expectKeysHeldBackAtFirst(clock, message.lblOK(), [&] { return !message.isVisible(); }); });
        message.showModal();
        EXPECT_EQ(message.result(), QDialog::Accepted);
    }
    {
        frmScores scores(platform::RandomSource::scripted({}));
        clock.advance(5000);  // the message was read
        whenShown([&] {
            expectKeysHeldBackAtFirst(clock, scores.lblBegin(), [&] { return scores.Timer1()->isEnabled(); });
            for (int tick = 0; tick < 1000 && scores.isVisible(); ++tick) emit scores.Timer1()->timeout();
        });
        scores.showModal();
        EXPECT_FALSE(scores.isVisible());
    }
    // The mouse is never held back.
    frmMsg message;
    whenShown([&] { QTest::mouseClick(message.lblOK(), Qt::LeftButton); });
    message.showModal();
    EXPECT_EQ(message.result(), QDialog::Accepted);
}
