// The listen-and-choose window played through in-process: instruction window,
// shuffles, picks, messages, the finish, the score row in a user store made from
// the built template, and the end of the program observed.
#include "activities/drills/02studybook/rules/StudybookLayout.h"
#include "activities/drills/02studybook/window/frmStudybook.h"
#include "activities/framework/testkit/ActivityWindowTest.h"
#include "activities/framework/windows/frmMsg.h"
#include "platform/store/Store.h"
#include "platform/ui/Timer.h"
#include "platform/ui/Twips.h"

#include "TestEnvironment.h"

#include <QFile>
#include <QTest>

#include <gtest/gtest.h>

using namespace studybook;

namespace {

class StudybookWindow : public activitytest::ActivityWindowTest {
protected:
    // Starts the window on a launch of `count` phrases; the timers are left to
    // the test (an interval of 0 never fires), which sends their ticks itself.
    void start(int count)
    {
        window = std::make_unique<frmStudybook>(RandomSource(3));
        window->Timer3()->setInterval(0);
        window->timTimer()->setInterval(0);
        ASSERT_TRUE(ActivityWindowTest::start(*window, count));
    }

    void shuffle()
    {
        for (int tick = 0; tick < kShuffleTicks; ++tick) {
            ASSERT_TRUE(window->Timer3()->isEnabled()) << "tick " << tick;
            emit window->Timer3()->timeout();
        }
        EXPECT_FALSE(window->Timer3()->isEnabled());
    }
    int labelShowing(const QString& text) const
    {
        for (int k = 0; window->lblPhrase(k); ++k)
            if (window->lblPhrase(k)->text() == text)
                return k;
        return -1;
    }
    void click(int index) { QTest::mouseClick(window->lblPhrase(index), Qt::LeftButton); }

    std::unique_ptr<frmStudybook> window;
};

}  // namespace

TEST_F(StudybookWindow, PlayedFromTheInstructionWindowToTheStoredTime)
{
    start(2);
    EXPECT_EQ(window->windowTitle(), "Lessondesk French - Studybook 1.0.0");
    EXPECT_EQ(window->lblSubject()->text(), "Colours");
    EXPECT_EQ(window->lblInstructions()->text(), "Click the translation of the phrase you hear.");
    EXPECT_EQ(window->lblHearAgain()->text(), "Hear it again");
    EXPECT_EQ(window->lblElapsedTime()->text(), "Time");
    EXPECT_EQ(window->lblPhrasesLeft()->text(), "2 left to answer");
    ASSERT_NE(window->lblPhrase(1), nullptr);
    EXPECT_EQ(window->lblPhrase(2), nullptr);
    EXPECT_EQ(window->lblPhrase(1)->y() - window->lblPhrase(0)->y(), platform::ui::twipsToPixelsY(600));
    EXPECT_TRUE(window->lblPhrase(1)->isVisible());
    EXPECT_TRUE(window->Timer3()->isEnabled());
    EXPECT_TRUE(window->timTimer()->isEnabled());

    // The clock counts from start-up; its timer refreshes the label.
    clock.advance(4000);
    emit window->timTimer()->timeout();
    EXPECT_EQ(window->lblTimer()->text(), "00:00:04");

    const qsizetype before = soundLines().size();
    shuffle();
    const QStringList shuffleSounds = soundLines().mid(before);
    ASSERT_EQ(shuffleSounds.size(), 2) << shuffleSounds.join("|").toStdString();
    EXPECT_TRUE(shuffleSounds[0].contains("Robot")) << shuffleSounds[0].toStdString();
    EXPECT_EQ(shuffleSounds[1], "file\t" + copyPath(1) + "\tsync");

    // Hearing it again plays phrase 1 once more.
    QTest::mouseClick(window->lblHearAgain(), Qt::LeftButton);
    EXPECT_EQ(soundLines().last(), "file\t" + copyPath(1) + "\tsync");

    // A wrong pick: the right translation in the message, then back to phrase 1.
    click(labelShowing("translation 2"));
    ASSERT_EQ(modals.messages.size(), 1u);
    EXPECT_EQ(modals.messages[0].heading, "Sorry, that is not right.");
    EXPECT_EQ(modals.messages[0].line2, "The right answer is:");
    EXPECT_EQ(modals.messages[0].answer, "translation 1");
    EXPECT_TRUE(soundLines().join("\n").contains("Buzzer"));
    EXPECT_EQ(window->lblPhrasesLeft()->text(), "2 left to answer");

    shuffle();
    click(labelShowing("translation 1"));
    EXPECT_TRUE(soundLines().last().contains("Bonus"));
    EXPECT_EQ(window->lblPhrasesLeft()->text(), "1 left to answer");
    shuffle();
    EXPECT_EQ(soundLines().last(), "file\t" + copyPath(2) + "\tsync");

    // The finish: the clock stops at the last right pick and that time is stored.
    clock.advance(8600);
    click(labelShowing("translation 2"));
    ASSERT_EQ(modals.messages.size(), 2u);
    EXPECT_EQ(modals.messages[1].heading, "Well done!");
    EXPECT_EQ(modals.messages[1].answer, "\nEvery phrase right!");
    ASSERT_EQ(modals.scores.size(), 1u);
    EXPECT_EQ(modals.scores[0].top10, "Top 10 times");
    ASSERT_EQ(modals.scores[0].rows.size(), 1u);
    EXPECT_EQ(modals.scores[0].rows[0].mid(1, 2), QStringList({"Ana Diaz", "00:00:12"}));
    EXPECT_EQ(modals.scores[0].selected, 0);
    EXPECT_EQ(window->lblTimer()->text(), "00:00:12");
    EXPECT_FALSE(window->timTimer()->isEnabled());
    EXPECT_EQ(endCodes, std::vector<int>{0});
    EXPECT_TRUE(boxes.shown().empty());

    const auto stored = platform::Store::open(userStore, platform::OpenMode::ReadOnly)
                            .query("SELECT tName, textScore, numberScore, tSubject, tActivity, nDate, nTime FROM tblScores");
    ASSERT_EQ(stored.size(), 1u);
    EXPECT_EQ(stored[0]["tName"].toText(), "Ana Diaz");
    EXPECT_EQ(stored[0]["textScore"].toText(), "00:00:12");
    EXPECT_EQ(stored[0]["tSubject"].toText(), "Colours");
    EXPECT_EQ(stored[0]["tActivity"].toText(), "Studybook");
    EXPECT_EQ(stored[0]["nDate"].toText(), "2024-06-03");
    EXPECT_EQ(stored[0]["nTime"].toText(), "09:30:12");

    // The copies are gone; the main program's files are as it wrote them.
    EXPECT_FALSE(QFile::exists(copyPath(1)));
    EXPECT_FALSE(QFile::exists(copyPath(2)));
    EXPECT_TRUE(QFile::exists(launch.studyListPath));
    EXPECT_EQ(testsupport::readFile(launch.list.phrases[1].soundPath), activitytest::tinyWav(2));
}

TEST_F(StudybookWindow, APickDuringTheFirstShuffleStopsItBeforeTheMessage)
{
    start(1);
    emit window->Timer3()->timeout();
    emit window->Timer3()->timeout();  // the shuffle sound has started
    const qsizetype before = soundLines().size();
    bool shuffleStopped = false;
    modals.onMessage = [&](frmMsg&) {
        shuffleStopped = !window->Timer3()->isEnabled();
        // Ticks that were already due change nothing: no deal, no phrase past the end.
        for (int tick = 0; tick < kShuffleTicks; ++tick)
            emit window->Timer3()->timeout();
    };
    click(0);  // one phrase: every label shows its translation
    EXPECT_TRUE(shuffleStopped);
    const QStringList after = soundLines().mid(before);
    for (const QString& line : after)
        EXPECT_FALSE(line.startsWith("file")) << line.toStdString();
    EXPECT_EQ(endCodes, std::vector<int>{0});
}

TEST_F(StudybookWindow, PicksHoverAndHearAgainWaitForTheDeal)
{
    start(3);
    shuffle();
    click(labelShowing("translation 1"));  // right: the next shuffle runs, picks wait for its deal
    ASSERT_TRUE(window->Timer3()->isEnabled());
    const qsizetype before = soundLines().size();
    click(0);
    QTest::mouseClick(window->lblHearAgain(), Qt::LeftButton);
    QTest::mouseMove(window->lblPhrase(1));
    EXPECT_EQ(soundLines().size(), before) << "nothing plays between a pick and the next deal";
    EXPECT_EQ(window->game()->position(), 2);
    shuffle();

    // The pointer colours one label blue; the window around them turns it black again.
    const QColor blue = window->lblPhrase(1)->palette().color(QPalette::WindowText);
    QTest::mouseMove(window->lblPhrase(1), QPoint(5, 5));
    EXPECT_EQ(window->lblPhrase(1)->palette().color(QPalette::WindowText), QColor(0, 0, 255));
    EXPECT_NE(blue, QColor(0, 0, 255));
    QTest::mouseMove(window.get(), QPoint(window->width() - 5, window->height() - 5));
    EXPECT_EQ(window->lblPhrase(1)->palette().color(QPalette::WindowText), QColor(0, 0, 0));

    // A label grows while held down and returns to its size when released.
    const int points = window->lblPhrase(2)->font().pointSize();
    QTest::mousePress(window->lblPhrase(2), Qt::LeftButton, {}, QPoint(-50, 5));
    EXPECT_EQ(window->lblPhrase(2)->font().pointSize(), points + layout::kChoicePressGrowth);
    QTest::mouseRelease(window->lblPhrase(2), Qt::LeftButton, {}, QPoint(-50, 5));  // released outside: no pick
    EXPECT_EQ(window->lblPhrase(2)->font().pointSize(), points);
    EXPECT_TRUE(window->game()->acceptsPicks());
}
