// The gunfight window played in-process: instruction window, shots steered
// through the game's pieces, the phrase line and scores, the end message, the
// score window and the stored points; and the keys that move the learner.
#include "activities/arcade/13popper/window/DesertView.h"
#include "activities/arcade/13popper/window/frmPopper.h"

#include "activities/framework/testkit/ActivityWindowTest.h"
#include "platform/store/Store.h"
#include "platform/ui/Timer.h"

#include "TestEnvironment.h"

#include <QFileInfo>
#include <QLabel>
#include <QTest>

#include <gtest/gtest.h>

using namespace popper;

namespace {

class PopperWindow : public activitytest::ActivityWindowTest {
protected:
    void SetUp() override
    {
        ActivityWindowTest::SetUp();
        clock.setAutoAdvance(true);  // the pause after the learner is shot
    }

    // Starts on `count` phrases; the test sends the timers' ticks itself.
    void start(int count, std::vector<double> draws = {})
    {
        window = std::make_unique<frmPopper>(platform::RandomSource::scripted(std::move(draws)));
        ASSERT_TRUE(ActivityWindowTest::start(*window, count));
        stopTimersAndCacti();
    }
    void start(const QStringList& phrases)
    {
        window = std::make_unique<frmPopper>(platform::RandomSource::scripted({}));
        ASSERT_TRUE(ActivityWindowTest::start(*window, phrases));
        stopTimersAndCacti();
    }
    void stopTimersAndCacti()
    {
        for (platform::ui::Timer* timer : {window->Timer1(), window->tmrMouseCntl(), window->TimerComputerPlayer(),
                                           window->TimerRemoveLabels()})
            timer->setInterval(0);  // never fires by itself
        // Cacti out of the bullets' way.
        for (int k = 0; k < 4; ++k)
            window->game()->cactusBox(k) = {-9000, 3000, 480, 480};
    }

    // Puts the next word where the learner's bullet leaves the gun, the others
    // out of the way, and fires.
    void shootNextWord()
    {
        PopperGame& game = *window->game();
        const layout::Piece gun = game.learner();
        for (FallingWord& other : game.wordsForTest())
            other.box.left = -9000;
        FallingWord& word = game.wordsForTest()[game.nextWord()];
        word.box.left = gun.left + gun.width / 2;
        word.box.top = gun.top + 150 - 100;
        QTest::keyClick(window.get(), Qt::Key_Space);
        emit window->Timer1()->timeout();
    }

    std::vector<platform::Row> storedScores() const
    {
        return platform::Store::open(userStore, platform::OpenMode::ReadOnly)
            .query("SELECT tName, numberScore, tSubject, tActivity FROM tblScores");
    }

    std::unique_ptr<frmPopper> window;
};

}  // namespace

TEST_F(PopperWindow, PlayedThroughEveryPhraseToTheStoredPoints)
{
    start(2);
    EXPECT_EQ(window->windowTitle(), "Lessondesk French - Popper 1.0.0");
    EXPECT_EQ(window->lblPlayer1()->text(), launch.list.userName);
    EXPECT_EQ(window->lblPlayer2()->text(), "The Stranger");
    EXPECT_EQ(window->lblTranslation()->text(), launch.list.phrases[0].translation);
    EXPECT_TRUE(window->Timer1()->isEnabled());
    EXPECT_TRUE(window->TimerComputerPlayer()->isEnabled());

    const QStringList words = launch.list.phrases[0].phrase.split(' ', Qt::SkipEmptyParts);
    ASSERT_GE(words.size(), 2);
    shootNextWord();
    EXPECT_EQ(window->lblPhrase()->text(), ' ' + words[0]);
    EXPECT_EQ(window->lblScore(0)->text(), QString::number(10 * words[0].size()));
    EXPECT_EQ(window->picDesert()->lblword(0)->text(), QString::number(10 * words[0].size()));
    EXPECT_TRUE(window->TimerRemoveLabels()->isEnabled());
    const QString sounds = testsupport::soundRecord().toUpper();
    EXPECT_TRUE(sounds.contains("MAGNUM") && sounds.contains("TING")) << sounds.toStdString();

    // The removal timer's tick takes the shot word off the desert.
    emit window->TimerRemoveLabels()->timeout();
    EXPECT_FALSE(window->picDesert()->lblword(0)->isVisible());
    EXPECT_FALSE(window->TimerRemoveLabels()->isEnabled());

    // The phrase line holds the words shot so far, each after a blank.
    shootNextWord();
    EXPECT_EQ(window->lblPhrase()->text(), ' ' + words[0] + ' ' + words[1]);
    qsizetype letters = words[0].size() + words[1].size();
    for (int i = 2; i < words.size(); ++i, letters += words[i - 1].size())
        shootNextWord();
    EXPECT_EQ(window->game()->phraseNumber(), 2);
    EXPECT_EQ(window->lblTranslation()->text(), launch.list.phrases[1].translation);
    EXPECT_EQ(window->lblPhrase()->text(), "");

    const QStringList second = launch.list.phrases[1].phrase.split(' ', Qt::SkipEmptyParts);
    for (const QString& word : second) {
        letters += word.size();
        shootNextWord();
    }
    ASSERT_EQ(modals.messages.size(), 1u);
    EXPECT_EQ(modals.messages[0].heading, "The gunfight is over!");
    EXPECT_EQ(modals.messages[0].answer, "You have practised");
    EXPECT_EQ(modals.messages[0].button, "\r\nContinue");
    ASSERT_EQ(modals.scores.size(), 1u);
    EXPECT_EQ(modals.scores[0].top10, "Top 10 scores");
    ASSERT_EQ(modals.scores[0].rows.size(), 1u);
    EXPECT_TRUE(modals.scores[0].rows[0].contains(QString::number(10 * letters)))
        << modals.scores[0].rows[0].join('|').toStdString();
    EXPECT_EQ(endCodes, std::vector<int>{0});
    EXPECT_FALSE(window->Timer1()->isEnabled());

    const auto stored = storedScores();
    ASSERT_EQ(stored.size(), 1u);
    EXPECT_EQ(stored[0]["numberScore"].toInt(), 10 * letters);
    EXPECT_EQ(stored[0]["tActivity"].toText(), "Popper");
    EXPECT_EQ(stored[0]["tSubject"].toText(), launch.list.subjectTitle);
    EXPECT_FALSE(QFileInfo::exists(copyPath(1)));
}

TEST_F(PopperWindow, ShotLearnerEndsTheGameWithTheSubjectAndPointsSoFar)
{
    start(1, {0.99});
    shootNextWord();
    const qint64 points = window->lblScore(0)->text().toLongLong();

    // The computer stands and shoots; its bullet is steered into the learner.
    emit window->TimerComputerPlayer()->timeout();
    emit window->Timer1()->timeout();
    PopperGame& game = *window->game();
    ASSERT_TRUE(game.computerBullet(0).inFlight);
    for (FallingWord& word : game.wordsForTest())
        word.box.left = -9000;
    const layout::Piece bullet = game.computerBullet(0).box;
    game.learnerBox() = {bullet.left - 400, bullet.top - 100, 630, 480};

    emit window->Timer1()->timeout();
    ASSERT_EQ(modals.messages.size(), 1u);
    EXPECT_EQ(modals.messages[0].answer, "You have practised " + launch.list.subjectTitle);
    EXPECT_TRUE(testsupport::soundRecord().toUpper().contains("\tOH"));
    EXPECT_FALSE(window->TimerComputerPlayer()->isEnabled());
    EXPECT_EQ(endCodes, std::vector<int>{0});
    const auto stored = storedScores();
    ASSERT_EQ(stored.size(), 1u);
    EXPECT_EQ(stored[0]["numberScore"].toInt(), points);
}

TEST_F(PopperWindow, ArrowKeysMoveTheLearnerUntilReleased)
{
    start(1);
    const int top = window->game()->learner().top;
    QTest::keyPress(window.get(), Qt::Key_Down);
    emit window->tmrMouseCntl()->timeout();
    emit window->tmrMouseCntl()->timeout();
    EXPECT_EQ(window->game()->learner().top, top + 400);
    QTest::keyRelease(window.get(), Qt::Key_Down);
    emit window->tmrMouseCntl()->timeout();
    EXPECT_EQ(window->game()->learner().top, top + 400);
    EXPECT_TRUE(endCodes.empty());
}

TEST_F(PopperWindow, WordsOfAnyLengthAreHitInTheirDesignBoxAndShownWhole)
{
    start(QStringList{"aujourd'hui il pleut"});
    PopperGame& game = *window->game();
    for (const FallingWord& word : game.words()) {
        EXPECT_EQ(word.box.width, 615) << word.word.toStdString();
        EXPECT_EQ(word.box.height, 240) << word.word.toStdString();
    }

    // The long word spills evenly out of its box, so it can be read whole, in
    // the words' bold 9.75 points.
    const QLabel* label = window->picDesert()->lblword(0);
    EXPECT_DOUBLE_EQ(label->font().pointSizeF(), 9.75);
    EXPECT_TRUE(label->font().bold());
    const QRect box = pixelRect(game.words()[0].box);
    EXPECT_GE(label->width(), label->fontMetrics().horizontalAdvance(label->text()));
    EXPECT_GT(label->width(), box.width());
    EXPECT_LE(std::abs(label->geometry().center().x() - box.center().x()), 1);
    EXPECT_EQ(label->y(), box.y());
    EXPECT_EQ(label->height(), box.height());
    // A short word shows in its box.
    EXPECT_EQ(window->picDesert()->lblword(1)->geometry(), pixelRect(game.words()[1].box));

    // The learner's bullet leaves the gun at Left 540, and the word falls 55
    // twips before the shot, onto the bullet's height. Its box reaches to
    // Left + 614, that edge exclusive: from Left -73 on it meets the bullet.
    struct Case {
        int wordLeft;
        bool hit;
    };
    for (const Case& c : {Case{-74, false}, Case{-73, true}}) {
        for (FallingWord& word : game.wordsForTest())
            word.box.left = -9000;
        for (int i = 0; i < 80; ++i)  // the last shot leaves the desert
            emit window->Timer1()->timeout();
        FallingWord& word = game.wordsForTest()[0];
        word.box.left = c.wordLeft;
        word.box.top = game.learner().top + 150 - 100;
        QTest::keyClick(window.get(), Qt::Key_Space);
        emit window->Timer1()->timeout();
        EXPECT_EQ(game.nextWord(), c.hit ? 1 : 0) << c.wordLeft;
        EXPECT_EQ(window->lblPhrase()->text(), c.hit ? " aujourd'hui" : "") << c.wordLeft;
    }
}
