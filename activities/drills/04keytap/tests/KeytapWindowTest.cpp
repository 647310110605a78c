// The typing-drill window played through in-process: the rows, keys typed into
// the key box, the clock, the finish, the stored speed and the end of the
// program; and a list too long to type.
#include "activities/drills/04keytap/rules/KeytapLayout.h"
#include "activities/drills/04keytap/window/frmKeytap.h"
#include "activities/framework/testkit/ActivityWindowTest.h"
#include "activities/framework/testkit/ModalDriver.h"
#include "platform/store/Store.h"
#include "platform/ui/MessageBox.h"
#include "platform/ui/Timer.h"
#include "platform/ui/Twips.h"

#include <QApplication>
#include <QFile>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>

#include <gtest/gtest.h>

using namespace keytap;

namespace {

class KeytapWindow : public activitytest::ActivityWindowTest {
protected:
    void press(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier, const QString& text = {})
    {
        QKeyEvent event(QEvent::KeyPress, key, modifiers, text);
        QApplication::sendEvent(window->Picture1(), &event);
    }
    void type(const QString& text)
    {
        for (const QChar c : text)
            press(Qt::Key_unknown, Qt::NoModifier, QString(c));
    }
    QStringList soundsSince(qsizetype before) const { return soundLines().mid(before); }

    std::unique_ptr<frmKeytap> window = std::make_unique<frmKeytap>();
};

}  // namespace

TEST_F(KeytapWindow, PlayedFromTheInstructionWindowToTheStoredSpeed)
{
    ASSERT_TRUE(start(*window, QStringList{"oui", "Ça va"}));
    EXPECT_EQ(window->windowTitle(), "Lessondesk French - Keytap 1.0.0");
    EXPECT_EQ(modals.instructions.value(0), "Keytap");
    EXPECT_EQ(window->lblphrase(0)->text(), "oui means translation 1");
    EXPECT_EQ(window->lblphrase(1)->text(), "Ça va means translation 2");
    EXPECT_EQ(window->lblphrase(2), nullptr);
    EXPECT_EQ(window->lblphrase(1)->y() - window->lblphrase(0)->y(), platform::ui::twipsToPixelsY(layout::kRowStep));
    EXPECT_EQ(window->lblWPM()->text(), "00");
    EXPECT_EQ(window->lblWPM2()->text(), "wpm");
    EXPECT_EQ(window->Picture1()->focusPolicy(), Qt::StrongFocus);

    // Keys without a character neither type nor start the clock.
    press(Qt::Key_Left);
    press(Qt::Key_Tab, Qt::NoModifier, "\t");
    press(Qt::Key_Shift, Qt::ShiftModifier);
    EXPECT_FALSE(window->Timer1()->isEnabled());
    EXPECT_EQ(window->lblrojo(0)->text(), "");

    // A wrong key: red, a whip, the clock runs.
    qsizetype before = soundLines().size();
    type("O");
    EXPECT_TRUE(window->Timer1()->isEnabled());
    EXPECT_EQ(window->lblrojo(0)->text(), "O");
    EXPECT_EQ(window->lblverde(0)->text(), "");
    ASSERT_EQ(soundsSince(before).size(), 1);
    EXPECT_TRUE(soundsSince(before)[0].contains("stopWhipe")) << soundsSince(before)[0].toStdString();

    before = soundLines().size();
    type("oui means");
    EXPECT_EQ(window->lblverde(0)->text(), "oui means");
    EXPECT_EQ(window->lblrojo(0)->text(), "oui means");
    EXPECT_TRUE(soundsSince(before).last().contains("Type"));

    // Nine right characters (two words), then sixty ticks of the clock.
    for (int tick = 0; tick < 60; ++tick)
        emit window->Timer1()->timeout();
    EXPECT_EQ(window->lblWPM()->text(), "2");

    type(" translation 1");
    EXPECT_EQ(window->lblverde(0)->text(), "oui means translation 1");
    // "Ç" takes any key; Ctrl+A types "á", wrong where "a" is due.
    type("x");
    press(Qt::Key_A, Qt::ControlModifier, "\x01");
    EXPECT_EQ(window->lblrojo(1)->text(), "Çá");
    activitytest::snapshot(window.get(), "keytap-typing");
    type("a va means translation ");
    EXPECT_TRUE(modals.messages.empty());
    EXPECT_EQ(window->drill()->correctChars(), 47);
    for (int tick = 0; tick < 60; ++tick)
        emit window->Timer1()->timeout();
    EXPECT_EQ(window->lblWPM()->text(), "4");  // 9 words in 120 seconds

    type("2");
    EXPECT_FALSE(window->Timer1()->isEnabled());
    ASSERT_EQ(modals.messages.size(), 1u);
    EXPECT_EQ(modals.messages[0].heading, "Well done! Your speed:");
    EXPECT_EQ(modals.messages[0].answer, "4 wpm");
    EXPECT_EQ(modals.messages[0].button, "\r\nOK");
    ASSERT_EQ(modals.scores.size(), 1u);
    EXPECT_EQ(modals.scores[0].top10, "Top 10 speeds");
    ASSERT_EQ(modals.scores[0].rows.size(), 1u);
    EXPECT_EQ(modals.scores[0].rows[0].mid(1, 2), QStringList({"Ana Diaz", "4 wpm"}));
    EXPECT_EQ(endCodes, std::vector<int>{0});

    const auto stored = platform::Store::open(userStore, platform::OpenMode::ReadOnly)
                            .query("SELECT tName, numberScore, textScore, tSubject, tActivity FROM tblScores");
    ASSERT_EQ(stored.size(), 1u);
    EXPECT_EQ(stored[0]["numberScore"].toText(), "4");
    EXPECT_EQ(stored[0]["tActivity"].toText(), "Keytap");
    EXPECT_EQ(stored[0]["tSubject"].toText(), "Colours");
    EXPECT_FALSE(QFile::exists(copyPath(1)));
    EXPECT_FALSE(QFile::exists(copyPath(2)));

    // Nothing more is typed after the end.
    type("x");
    EXPECT_EQ(window->lblrojo(1)->text(), "Ça va means translation 2");
}

TEST_F(KeytapWindow, BackspaceAndEnterStartTheClockAndChangeNothing)
{
    ASSERT_TRUE(start(*window, 1));
    const qsizetype before = soundLines().size();
    press(Qt::Key_Backspace, Qt::NoModifier, "\b");
    EXPECT_TRUE(window->Timer1()->isEnabled());
    press(Qt::Key_Return, Qt::NoModifier, "\r");
    EXPECT_EQ(window->lblrojo(0)->text(), "");
    EXPECT_EQ(window->lblverde(0)->text(), "");
    EXPECT_EQ(soundLines().size(), before);
}

TEST_F(KeytapWindow, AListWithATextTooLongEndsBeforeAnyRowIsLaidOut)
{
    const QString tooLong(37, QLatin1Char('a'));
    EXPECT_FALSE(start(*window, QStringList{"oui", tooLong}));
    ASSERT_EQ(boxes.shown().size(), 1u);
    EXPECT_EQ(boxes.shown()[0].title, "Keytap");
    EXPECT_EQ(boxes.shown()[0].icon, platform::ui::MessageIcon::Exclamation);
    EXPECT_TRUE(boxes.shown()[0].text.contains("36")) << boxes.shown()[0].text.toStdString();
    EXPECT_EQ(window->lblphrase(0), nullptr);
    EXPECT_TRUE(modals.instructions.isEmpty());
    EXPECT_EQ(endCodes, std::vector<int>{0});
    EXPECT_FALSE(QFile::exists(copyPath(1)));  // the copies go first
    EXPECT_FALSE(QFile::exists(copyPath(2)));
}
