// The flash-card window in-process: from the instruction window through every
// card and back, turning, listening, the automatic mode on a fake clock, and the
// end of the program observed.
#include "activities/drills/01cardflip/window/frmCardflip.h"
#include "activities/framework/testkit/ActivityWindowTest.h"
#include "platform/ui/Colors.h"
#include "platform/ui/PictureButton.h"
#include "platform/ui/Timer.h"
#include "platform/ui/Twips.h"

#include "TestEnvironment.h"

#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

using namespace cardflip;

namespace {

// Whether a recorded line is the program's sound resource `name`.
bool isResource(const QString& line, const QString& name)
{
    const QStringList fields = line.split('\t');
    return fields.size() == 4 && fields[0] == "memory" && fields[2].compare(name, Qt::CaseInsensitive) == 0;
}

class CardflipWindow : public activitytest::ActivityWindowTest {
protected:
    // Starts on three phrases with the background colour drawn as entry 9.
    void start()
    {
        window = std::make_unique<frmCardflip>(platform::RandomSource::scripted({0.95}));
        ASSERT_TRUE(ActivityWindowTest::start(*window, 3));
    }

    // Sends the running slide timer's ticks until the card rests.
    void slide()
    {
        for (int tick = 0; tick < 200; ++tick) {
            if (window->Timer1()->isEnabled())
                emit window->Timer1()->timeout();
            else if (window->Timer2()->isEnabled())
                emit window->Timer2()->timeout();
            else
                return;
        }
        FAIL() << "the card never came to rest";
    }
    void press(QAbstractButton* button) { QTest::mouseClick(button, Qt::LeftButton); }
    QString card() const { return window->lblPhrase()->text() + " " + window->lblCounter()->text(); }

    std::unique_ptr<frmCardflip> window;
};

}  // namespace

TEST_F(CardflipWindow, ThroughEveryCardAndBackByHand)
{
    start();
    ASSERT_EQ(modals.instructions.size(), 3);
    EXPECT_EQ(modals.instructions[0], "Cardflip");
    EXPECT_EQ(modals.instructions[2], "START");
    EXPECT_EQ(window->windowTitle(), "Lessondesk French - Cardflip 1.0.0");
    EXPECT_EQ(window->backgroundColour(), platform::ui::qbColor(9));
    EXPECT_EQ(card(), "Click an arrow to see the first card. 0/3");
    EXPECT_EQ(window->lblFrontBack()->text(), "Front");
    EXPECT_FALSE(window->btnFrontBack()->isEnabled()) << "no card to turn yet";
    EXPECT_EQ(window->btnNext()->accessibleName(), "Next card");

    // Listening before the first card tells the learner what to do and plays nothing.
    const qsizetype before = soundLines().size();
    press(window->btnSayPhrase());
    ASSERT_EQ(boxes.shown().size(), 1u);
    EXPECT_EQ(boxes.shown()[0].text, "Click on arrows first to show the first phrase!");
    EXPECT_EQ(soundLines().size(), before);

    press(window->btnNext());
    EXPECT_TRUE(isResource(soundLines().last(), "FLASHCARD"));
    EXPECT_TRUE(window->btnFrontBack()->isEnabled());
    slide();
    EXPECT_TRUE(isResource(soundLines().last(), "FLASHCARDSTOP"));
    EXPECT_EQ(card(), "phrase 1, with a comma 1/3");
    EXPECT_EQ(window->Picture1()->x(), platform::ui::twipsToPixelsX(3000));

    press(window->btnSayPhrase());
    EXPECT_EQ(soundLines().last(), "file\t" + copyPath(1) + "\tasync");

    press(window->btnFrontBack());
    EXPECT_EQ(card(), "translation 1 1/3");
    EXPECT_EQ(window->lblFrontBack()->text(), "Back");
    EXPECT_EQ(window->lblPhrase()->palette().color(QPalette::WindowText), QColor(255, 0, 255));

    for (const char* expected : {"translation 2 2/3", "translation 3 3/3", "translation 1 1/3"}) {
        press(window->btnNext());
        slide();
        EXPECT_EQ(card(), expected);
    }
    press(window->btnPrev());
    slide();
    EXPECT_EQ(card(), "translation 3 3/3");
    EXPECT_EQ(window->Picture1()->x(), platform::ui::twipsToPixelsX(2500));
    press(window->btnFrontBack());
    EXPECT_EQ(card(), "phrase 3, with a comma 3/3");
    EXPECT_EQ(window->lblPhrase()->palette().color(QPalette::WindowText), QColor(0, 0, 255));

    // Closing ends the program and takes this program's sound copies with it.
    EXPECT_TRUE(QFile::exists(copyPath(1)));
    window->close();
    EXPECT_EQ(endCodes, std::vector<int>{0});
    EXPECT_FALSE(QFile::exists(copyPath(1)));
    EXPECT_TRUE(QFile::exists(launch.list.phrases[0].soundPath)) << "the main program's sound stays";
}

TEST_F(CardflipWindow, TheAutomaticModeShowsSpeaksAndTurnsEachCard)
{
    start();
    clock.setAutoAdvance(true);
    press(window->Command1());
    EXPECT_EQ(window->Command1()->text(), "Manual");
    for (QWidget* button : std::initializer_list<QWidget*>{window->btnNext(), window->btnPrev(),
                                                           window->btnSayPhrase(), window->btnFrontBack()})
        EXPECT_TRUE(button->isHidden()) << button->objectName().toStdString();
    ASSERT_TRUE(window->Timer4()->isEnabled());

    const qsizetype before = soundLines().size();
    emit window->Timer4()->timeout();
    slide();
    const QStringList step = soundLines().mid(before);
    ASSERT_EQ(step.size(), 5) << step.join("|").toStdString();
    EXPECT_TRUE(isResource(step[0], "FLASHCARD"));
    EXPECT_EQ(step[1], "file\t" + copyPath(1) + "\tsync");
    EXPECT_TRUE(isResource(step[2], "CLICK"));
    EXPECT_TRUE(isResource(step[3], "CLICK"));
    EXPECT_TRUE(isResource(step[4], "FLASHCARDSTOP"));
    EXPECT_EQ(card(), "phrase 1, with a comma 1/3") << "turned to the back and to the front again";
    EXPECT_FALSE(window->autoMode().stepRunning());

    emit window->Timer4()->timeout();
    slide();
    EXPECT_EQ(card(), "phrase 2, with a comma 2/3");

    press(window->Command1());
    EXPECT_EQ(window->Command1()->text(), "Automatic");
    EXPECT_FALSE(window->Timer4()->isEnabled());
    EXPECT_TRUE(window->btnNext()->isVisible());
    EXPECT_TRUE(window->btnFrontBack()->isEnabled()) << "a card is shown, so it can be turned";
}

TEST_F(CardflipWindow, GoingBackToManualDuringAStepStopsIt)
{
    start();
    press(window->Command1());
    // The learner switches back while the step waits for its card to arrive.
    QTimer::singleShot(0, [this] {
        press(window->Command1());
        clock.advance(10000);
    });
    const qsizetype before = soundLines().size();
    emit window->Timer4()->timeout();
    const QStringList heard = soundLines().mid(before);
    EXPECT_FALSE(heard.join("\n").contains("\tsync")) << heard.join("|").toStdString();
    EXPECT_FALSE(window->autoMode().stepRunning());
    EXPECT_EQ(window->deck()->cardIndex(), 1);
}
