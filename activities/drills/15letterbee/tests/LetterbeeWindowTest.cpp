// The spelling-game window played through in-process: the keyboard, letters
// said and entered by key and by click, the pauses between phrases, the stored
// time and the end of the program.
#include "activities/drills/15letterbee/window/frmLetterbee.h"
#include "activities/framework/testkit/ActivityWindowTest.h"
#include "activities/framework/testkit/ModalDriver.h"
#include "platform/sound/Sound.h"
#include "platform/store/Store.h"
#include "platform/ui/Timer.h"

#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

using namespace letterbee;

namespace {

class LetterbeeWindow : public activitytest::ActivityWindowTest {
protected:
    void TearDown() override
    {
        platform::sound::setSink({});
        ActivityWindowTest::TearDown();
    }

    // The timers are left to the test, which sends their ticks itself; the
    // pauses between phrases pass on the fake clock.
    void start(const QStringList& phrases, std::vector<double> draws)
    {
        window = std::make_unique<frmLetterbee>(RandomSource::scripted(std::move(draws)));
        for (platform::ui::Timer* timer : {window->Timer1(), window->Timer2(), window->TimerSayLetter()})
            timer->setInterval(0);
        clock.setAutoAdvance(true);
        ASSERT_TRUE(ActivityWindowTest::start(*window, phrases));
    }
    // Says the current letter; returns what was played for it.
    QStringList say()
    {
        const qsizetype before = soundLines().size();
        EXPECT_TRUE(window->TimerSayLetter()->isEnabled());
        emit window->TimerSayLetter()->timeout();
        EXPECT_FALSE(window->TimerSayLetter()->isEnabled());
        return soundLines().mid(before);
    }
    void clickKey(const QString& letter)
    {
        for (int k = 1; k <= window->keyCount(); ++k) {
            if (window->btnLetter(k)->text() == letter) {
                QTest::mouseClick(window->btnLetter(k), Qt::LeftButton);
                return;
            }
        }
        FAIL() << "no key " << letter.toStdString();
    }
    void press(Qt::Key key) { QTest::keyClick(window.get(), key); }

    std::unique_ptr<frmLetterbee> window;
};

}  // namespace

TEST_F(LetterbeeWindow, PlayedFromTheInstructionWindowToTheStoredTime)
{
    start({"Ça", "oui?"}, {0.0, 0.7});
    EXPECT_EQ(window->windowTitle(), "Lessondesk French - Letterbee 1.0.0");
    EXPECT_EQ(window->lblElapsedTime()->text(), "Time");

    // The French keyboard: 65 keys that never take the focus; key 0 is hidden.
    ASSERT_EQ(window->keyCount(), 65);
    EXPECT_FALSE(window->btnLetter(0)->isVisible());
    EXPECT_EQ(window->btnLetter(1)->text(), "A");
    EXPECT_EQ(window->btnLetter(65)->text(), "€");
    EXPECT_EQ(window->btnLetter(17)->x(), window->btnLetter(1)->x());
    EXPECT_EQ(window->btnLetter(1)->focusPolicy(), Qt::NoFocus);

    // Phrase 1: two tiles, the first letter said from the French set.
    EXPECT_EQ(window->lblTranslation()->text(), "translation 1");
    EXPECT_EQ(window->lblPhrasesleft()->text(), "2 phrases left");
    ASSERT_NE(window->lblLetter(1), nullptr);
    EXPECT_EQ(window->lblLetter(2), nullptr);
    EXPECT_TRUE(window->Timer1()->isEnabled());
    const QStringList first = say();
    ASSERT_EQ(first.size(), 1);
    EXPECT_TRUE(first[0].contains("FRENCH/C_") && first[0].endsWith("sync")) << first[0].toStdString();

    // A modifier is nothing; a wrong letter buzzes and the same letter is said again.
    qsizetype before = soundLines().size();
    press(Qt::Key_Shift);
    EXPECT_EQ(soundLines().size(), before);
    EXPECT_FALSE(window->TimerSayLetter()->isEnabled());
    press(Qt::Key_C);
    EXPECT_TRUE(soundLines().last().contains("Buzzer"));
    EXPECT_TRUE(say().join("").contains("FRENCH/C_"));
    EXPECT_EQ(window->lblLetter(0)->text(), "");

    // "Ç" from its on-screen key; the blinking moves to the next tile.
    clickKey("Ç");
    EXPECT_EQ(window->lblLetter(0)->text(), "Ç");
    EXPECT_TRUE(say().join("").contains("FRENCH/A"));
    EXPECT_TRUE(window->currentTileLit());
    emit window->Timer2()->timeout();
    EXPECT_FALSE(window->currentTileLit());
    activitytest::snapshot(window.get(), "letterbee-spelling");

    // The last letter: the praise, the phrase's recording, then phrase 2.
    before = soundLines().size();
    press(Qt::Key_A);
    const QStringList finish = soundLines().mid(before);
    ASSERT_GE(finish.size(), 2);
    EXPECT_TRUE(finish[0].contains("CorrectBeep"));
    EXPECT_EQ(finish[1], "file\t" + copyPath(1) + "\tsync");
    EXPECT_EQ(window->lblTranslation()->text(), "translation 2");
    EXPECT_EQ(window->lblPhrasesleft()->text(), "1 phrases left");
    EXPECT_FALSE(window->lblMsg()->isVisible());

    clock.advance(5000);
    emit window->Timer1()->timeout();
    EXPECT_EQ(window->lblTimer()->text(), "00:00:09");

    // Letters typed as lower case on the phrase are matched upper case.
    EXPECT_TRUE(say().join("").contains("FRENCH/O"));
    press(Qt::Key_O);
    say();
    press(Qt::Key_U);
    say();
    press(Qt::Key_I);
    // "?" has no French recording: nothing is heard, not the "I" said before.
    EXPECT_TRUE(say().isEmpty());
    press(Qt::Key_Question);

    EXPECT_FALSE(window->Timer1()->isEnabled());
    EXPECT_EQ(window->lblPhrasesleft()->text(), "0 phrases left");
    ASSERT_EQ(modals.scores.size(), 1u);
    EXPECT_EQ(modals.scores[0].top10, "Top 10 times");
    ASSERT_EQ(modals.scores[0].rows.size(), 1u);
    // The time stored is the one the clock showed, not a reading taken after the last pause.
    EXPECT_EQ(window->lblTimer()->text(), "00:00:09");
    EXPECT_EQ(modals.scores[0].rows[0].mid(1, 2), QStringList({"Ana Diaz", "00:00:09"}));
    EXPECT_EQ(endCodes, std::vector<int>{0});

    const auto stored = platform::Store::open(userStore, platform::OpenMode::ReadOnly)
                            .query("SELECT textScore, tActivity FROM tblScores");
    ASSERT_EQ(stored.size(), 1u);
    EXPECT_EQ(stored[0]["textScore"].toText(), "00:00:09");
    EXPECT_EQ(stored[0]["tActivity"].toText(), "Letterbee");
    EXPECT_FALSE(QFile::exists(copyPath(1)));
    EXPECT_FALSE(QFile::exists(copyPath(2)));
}

TEST_F(LetterbeeWindow, APhraseWithNothingToEnterIsPraisedAndPassedAtOnce)
{
    start({"&", "a"}, {0.0, 0.7});
    // "&" has no key: its tile is filled in, phrase 2 is in play already.
    EXPECT_EQ(window->lblTranslation()->text(), "translation 2");
    EXPECT_TRUE(soundLines().join("\n").contains("file\t" + copyPath(1) + "\tsync"));
    EXPECT_TRUE(say().join("").contains("FRENCH/A"));
    press(Qt::Key_A);
    EXPECT_EQ(modals.scores.size(), 1u);
    EXPECT_EQ(endCodes, std::vector<int>{0});
}

TEST_F(LetterbeeWindow, ThePraiseLeavesTheTranslationInFront)
{
    start({"a"}, {0.0});
    // What the learner sees while the phrase's recording plays.
    QWidget* inFront = nullptr;
    bool praised = false;
    platform::sound::setSink([&](const platform::sound::SoundRequest& request) {
        if (request.source != platform::sound::SoundRequest::Source::File)
            return;
        praised = window->lblMsg()->isVisible();
        const QLabel* translation = window->lblTranslation();
        inFront = window->childAt(translation->geometry().center());
    });
    emit window->TimerSayLetter()->timeout();
    press(Qt::Key_A);
    EXPECT_TRUE(praised);
    EXPECT_EQ(inFront, window->lblTranslation());
}
