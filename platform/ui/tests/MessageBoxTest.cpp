#include "platform/ui/MessageBox.h"
#include "platform/ui/MessageBoxRecorder.h"

#include "RealMessageBox.h"

#include <QGuiApplication>
#include <QMessageBox>

#include <gtest/gtest.h>

using namespace platform::ui;

TEST(MessageBox, ErrorBoxShowsHeadingProcedureAndError)
{
    EXPECT_EQ(errorBoxText("An error occurred.", "Get_Captions", "no such table"),
              "An error occurred.\n\nGet_Captions: no such table");

    MessageBoxRecorder recorder;
    showErrorBox("Heading", "TileBackground", "bad picture");
    showErrorBox("Heading", "FrmLogin_Load", "broken", "Sign in");
    ASSERT_EQ(recorder.shown().size(), 2u);
    const MessageRequest& first = recorder.shown()[0];
    EXPECT_EQ(first.title, "ERROR");
    EXPECT_EQ(first.text, "Heading\n\nTileBackground: bad picture");
    EXPECT_EQ(first.icon, MessageIcon::Critical);
    EXPECT_EQ(first.buttons, MessageButtons::Ok);
    EXPECT_EQ(recorder.shown()[1].title, "Sign in");
}

TEST(MessageBox, RecorderAnswersWithQueuedAnswersThenTheFirstButton)
{
    QGuiApplication::setApplicationDisplayName("Lessondesk");
    MessageBoxRecorder recorder;
    recorder.queueAnswer(MessageAnswer::No);
    EXPECT_EQ(showMessage("Delete?", MessageIcon::Question, MessageButtons::YesNo, "Clear"), MessageAnswer::No);
    EXPECT_EQ(showMessage("Again?", MessageIcon::Question, MessageButtons::YesNo), MessageAnswer::Yes);
    EXPECT_EQ(showMessage("Note"), MessageAnswer::Ok);
    ASSERT_EQ(recorder.shown().size(), 3u);
    EXPECT_EQ(recorder.shown()[0].title, "Clear");
    EXPECT_EQ(recorder.shown()[1].title, "Lessondesk");  // no title: the program's own
    EXPECT_EQ(recorder.shown()[2].icon, MessageIcon::None);
}

TEST(MessageBox, RealBoxesShowIconsButtonsAndPlainText)
{
    struct Case {
        MessageIcon icon;
        MessageButtons buttons;
        QMessageBox::Icon qtIcon;
        QStringList buttonTexts;
        QString press;
        MessageAnswer answer;
    };
    const Case cases[] = {
        {MessageIcon::Critical, MessageButtons::Ok, QMessageBox::Critical, {"OK"}, "OK", MessageAnswer::Ok},
        {MessageIcon::Exclamation, MessageButtons::OkCancel, QMessageBox::Warning, {"OK", "Cancel"}, "Cancel",
         MessageAnswer::Cancel},
        {MessageIcon::Information, MessageButtons::Ok, QMessageBox::Information, {"OK"}, "", MessageAnswer::Ok},
        {MessageIcon::Question, MessageButtons::YesNo, QMessageBox::Question, {"Yes", "No"}, "Yes",
         MessageAnswer::Yes},
        {MessageIcon::Question, MessageButtons::YesNo, QMessageBox::Question, {"Yes", "No"}, "", MessageAnswer::No},
        {MessageIcon::None, MessageButtons::OkCancel, QMessageBox::NoIcon, {"OK", "Cancel"}, "",
         MessageAnswer::Cancel},
    };
    for (const Case& c : cases) {
        SeenBox seen;
        const MessageAnswer answer = showAndAnswer(
            [&] { return showMessage("<b>Mañana</b>", c.icon, c.buttons, "Title"); }, c.press, seen);
        EXPECT_EQ(answer, c.answer) << c.press.toStdString();
        EXPECT_EQ(seen.title, "Title");
        EXPECT_EQ(seen.text, "<b>Mañana</b>");
        EXPECT_EQ(seen.format, Qt::PlainText);
        EXPECT_EQ(seen.icon, c.qtIcon);
        QStringList sortedSeen = seen.buttons;
        QStringList sortedWanted = c.buttonTexts;
        sortedSeen.sort();
        sortedWanted.sort();
        EXPECT_EQ(sortedSeen, sortedWanted);
    }
}
