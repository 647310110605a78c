// The letter-guessing duel in-process: the learner solves the phrase, the
// show runs, the winner is announced and the learner's points are stored;
// a miss and a clock run down hand the turn to the computer, which picks.
#include "activities/framework/testkit/ActivityWindowTest.h"
#include "activities/puzzles/06hunchword/window/frmHunchword.h"
#include "platform/store/Store.h"
#include "platform/ui/Timer.h"

#include "TestEnvironment.h"

#include <QApplication>
#include <QFontMetrics>
#include <QLabel>
#include <QTest>

#include <gtest/gtest.h>

using namespace hunchword;

namespace {

class HunchwordWindow : public activitytest::ActivityWindowTest {
protected:
    void SetUp() override
    {
        ActivityWindowTest::SetUp();
        clock.setAutoAdvance(true);  // every Wait is over at once
    }

    void start(int count)
    {
        window = std::make_unique<frmHunchword>(RandomSource(7));
        for (platform::ui::Timer* timer : {window->Timer1(), window->Timer3(), window->TimerClock()})
            timer->setInterval(0);  // the test sends the ticks
        ASSERT_TRUE(ActivityWindowTest::start(*window, count));
    }
    // The names of the sounds played so far (a phrase's recording has none).
    static QStringList soundNames()
    {
        QStringList names;
        for (const QString& line : soundLines())
            names << line.section('\t', 2, 2);
        return names;
    }
    int keyOf(const QString& letter) const { return static_cast<int>(window->game()->alphabet().indexOf(letter)) + 1; }
    void press(const QString& letter) { QTest::mouseClick(window->btnLetter(keyOf(letter)), Qt::LeftButton); }

    std::unique_ptr<frmHunchword> window;
};

}  // namespace

TEST_F(HunchwordWindow, TheLearnerSolvesThePhraseAndThePointsAreStored)
{
    start(1);
    EXPECT_EQ(window->windowTitle(), "Lessondesk French - Hunchword 1.0.0");
    EXPECT_EQ(window->lblTurn()->text(), "Now playing: Ana Diaz");
    EXPECT_EQ(window->lblPhrasesLeft()->text(), "1 left to play");
    EXPECT_EQ(window->lblPlayer(0)->text(), "Computer");
    EXPECT_TRUE(window->btnLetter(0)->isHidden());
    ASSERT_NE(window->btnLetter(65), nullptr);
    EXPECT_EQ(window->btnLetter(65)->text(), QString::fromUtf8("€"));
    EXPECT_TRUE(window->TimerClock()->isEnabled());
    ASSERT_NE(window->lblLetter(17), nullptr) << "PHRASE1,WITHACOMMA: 18 tiles";
    EXPECT_EQ(window->lblLetter(18), nullptr);

    // The lamps turn clockwise.
    const std::uint32_t lamp0 = window->lampColour(0);
    emit window->Timer3()->timeout();
    EXPECT_EQ(window->lampColour(1), lamp0);

    for (const char* letter : {"P", "H", "R", "A", "S", "E", "1", ",", "W", "I", "T", "C", "O", "M"}) {
        ASSERT_EQ(window->game()->player(), Player::Learner) << letter;
        press(letter);
    }
    EXPECT_EQ(window->lblLetter(0)->text(), "P");
    EXPECT_TRUE(window->Timer1()->isEnabled());
    EXPECT_FALSE(window->TimerClock()->isEnabled());
    EXPECT_EQ(window->lblTurn()->text(), "translation 1");
    const std::int64_t points = window->game()->points(Player::Learner);
    EXPECT_EQ(window->lblScore(1)->text(), QString::number(points));

    for (int tick = 0; tick < kShowEndTick; ++tick)
        emit window->Timer1()->timeout();
    EXPECT_TRUE(soundNames().contains("bells"));
    EXPECT_TRUE(soundLines().contains("file\t" + copyPath(1) + "\tsync")) << "the phrase is heard after the show";
    ASSERT_EQ(modals.messages.size(), 1u);
    EXPECT_EQ(modals.messages[0].heading, "GAME OVER");
    EXPECT_EQ(modals.messages[0].line2, "ANA DIAZ WINS!");
    EXPECT_EQ(modals.messages[0].answer, QStringLiteral("Computer: 0\r\nAna Diaz: %1").arg(points));
    ASSERT_EQ(modals.scores.size(), 1u);
    ASSERT_EQ(modals.scores[0].rows.size(), 1u);
    EXPECT_EQ(modals.scores[0].rows[0][2], QString::number(points));
    EXPECT_EQ(modals.scores[0].selected, 0);
    EXPECT_EQ(endCodes, std::vector<int>{0});

    const auto stored = platform::Store::open(userStore, platform::OpenMode::ReadOnly)
                            .query("SELECT numberScore, tActivity FROM tblScores");
    ASSERT_EQ(stored.size(), 1u);
    EXPECT_EQ(stored[0]["numberScore"].toInt(), points);
    EXPECT_EQ(stored[0]["tActivity"].toText(), "Hunchword");
}

TEST_F(HunchwordWindow, AMissOrTheClockHandsTheTurnToTheComputerWhichPicks)
{
    start(2);
    press("Z");
    EXPECT_TRUE(soundNames().contains("Buzzer"));
    EXPECT_EQ(window->game()->player(), Player::Computer);
    EXPECT_EQ(window->lblTurn()->text(), "The computer is choosing a letter...");
    EXPECT_EQ(window->lblPlayer(0)->palette().color(QPalette::WindowText), QColor(0, 255, 0));

    // The learner's clicks do nothing while the computer picks.
    const int phrase = window->game()->phraseIndex();
    press("E");
    EXPECT_TRUE(window->btnLetter(keyOf("E"))->isVisible());
    QApplication::processEvents();  // the computer's turn starts from the event loop
    int keysUsed = 0;
    for (int key = 1; key <= window->game()->alphabet().size(); ++key)
        keysUsed += window->btnLetter(key)->isHidden();
    EXPECT_GE(keysUsed, 2) << "the computer picked a key";
    EXPECT_FALSE(window->busy());

    // The clock run down hands the turn over with TimesUP.
    ASSERT_EQ(window->game()->phraseIndex(), phrase);
    ASSERT_FALSE(window->Timer1()->isEnabled());
    const Player before = window->game()->player();
    for (int second = 0; second < kTurnSeconds; ++second)
        emit window->TimerClock()->timeout();
    EXPECT_TRUE(soundNames().contains("TimesUP"));
    EXPECT_NE(window->game()->player(), before);
    EXPECT_EQ(window->lblCounter()->text(), "20");
    window->close();
    EXPECT_EQ(endCodes, std::vector<int>{0});
}

TEST_F(HunchwordWindow, TheTurnClockShowsEverySecondWholeIn72PointDigits)
{
    start(1);
    const QLabel* counter = window->lblCounter();
    EXPECT_EQ(counter->font().pointSize(), 72);
    EXPECT_TRUE(counter->font().bold());
    // The line is a little taller than the label, but the digits' ink is inside it.
    const QFontMetrics metrics(counter->font());
    const QRect area = counter->contentsRect();
    for (int second = 0; second <= kTurnSeconds; ++second) {
        const QString text = QString::number(second);
        const QRect line = metrics.boundingRect(area, counter->alignment(), text);
        const QRect ink = metrics.tightBoundingRect(text).translated(line.left(), line.top() + metrics.ascent());
        EXPECT_TRUE(area.contains(ink)) << second;
    }
}
