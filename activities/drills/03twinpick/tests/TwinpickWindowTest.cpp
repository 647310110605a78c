// The pairs window played through in-process: the deal behind the instruction
// window, the turning animation, the pause and the spoken phrase, pairs and
// misses, the toggles, and the stored time in a user store made from the built
// template.
#include "activities/drills/03twinpick/rules/TwinpickLayout.h"
#include "activities/drills/03twinpick/window/frmTwinpick.h"
#include "activities/framework/testkit/ActivityWindowTest.h"
#include "platform/sound/Sound.h"
#include "platform/ui/Timer.h"
#include "platform/ui/Twips.h"

#include <QTest>

#include <gtest/gtest.h>

using namespace twinpick;
using platform::ui::twipsToPixels;

namespace {

class TwinpickWindow : public activitytest::ActivityWindowTest {
protected:
    void TearDown() override
    {
        platform::sound::setSink({});
        ActivityWindowTest::TearDown();
    }

    // The timers are left to the test (an interval of 0 never fires), which
    // sends their ticks itself.
    void start(int count)
    {
        window = std::make_unique<frmTwinpick>(RandomSource(11));
        window->Timer1()->setInterval(0);
        window->Timer2()->setInterval(0);
        window->Timer4()->setInterval(0);
        QStringList phrases;
        for (int slot = 1; slot <= count; ++slot)
            phrases << QString("phrase %1").arg(slot);
        ASSERT_TRUE(ActivityWindowTest::start(*window, phrases));
    }

    int cardShowing(const QString& text) const
    {
        for (int card = 0; window->lblCard(card); ++card) {
            if (window->lblCard(card)->text() == text)
                return card;
        }
        return -1;
    }
    void press(int card)
    {
        QTest::mousePress(window->imgCard(card), Qt::LeftButton);
        QTest::mouseRelease(window->imgCard(card), Qt::LeftButton);
    }
    void runTurn()
    {
        for (int tick = 0; tick < kTurnTicks; ++tick) {
            ASSERT_TRUE(window->Timer1()->isEnabled()) << "tick " << tick;
            emit window->Timer1()->timeout();
        }
        EXPECT_FALSE(window->Timer1()->isEnabled());
    }
    void runPause()
    {
        ASSERT_TRUE(window->Timer4()->isEnabled());
        emit window->Timer4()->timeout();
    }
    // Turns the card showing text and judges it; returns the sounds it made.
    QStringList turn(const QString& text)
    {
        const qsizetype before = soundLines().size();
        const int card = cardShowing(text);
        EXPECT_GE(card, 0) << text.toStdString();
        press(card);
        runTurn();
        runPause();
        return soundLines().mid(before);
    }
    bool faceUp(const QString& text) const
    {
        const int card = cardShowing(text);
        return window->lblCard(card)->isVisible() && !window->imgCard(card)->isVisible();
    }
    bool gone(const QString& text) const
    {
        const int card = cardShowing(text);
        return !window->lblCard(card)->isVisible() && !window->imgCard(card)->isVisible();
    }
    static QString effect(const char* name) { return QString("\t%1\tasync").arg(name); }

    std::unique_ptr<frmTwinpick> window;
};

// The resource names of the sounds among lines, and "phrase" for a phrase file.
QStringList soundNames(const QStringList& lines)
{
    QStringList names;
    for (const QString& line : lines)
        names << (line.startsWith("file\t") ? QString("phrase") : line.section('\t', 2, 2));
    return names;
}

}  // namespace

TEST_F(TwinpickWindow, PlayedFromTheInstructionWindowToTheStoredTime)
{
    bool dealtBeforeInstructions = false;
    modals.onInstructions = [this, &dealtBeforeInstructions](frmInstructions&) {
        dealtBeforeInstructions = window->lblCard(3) && !window->lblCard(3)->text().isEmpty()
                                  && window->imgCard(3)->isVisible();
    };
    start(2);
    EXPECT_TRUE(dealtBeforeInstructions);
    EXPECT_EQ(window->windowTitle(), "Lessondesk French - Twinpick 1.0.0");
    ASSERT_EQ(modals.instructions.size(), 3);
    EXPECT_EQ(modals.instructions[0], "Twinpick");
    EXPECT_EQ(window->lblElapsedTime()->text(), "Time");
    EXPECT_EQ(window->lblTimer()->text(), "00:00:00");
    EXPECT_EQ(window->imgCard(0)->accessibleName(), "Card 1");
    EXPECT_EQ(window->ImgSay()->accessibleName(), "Speak the phrases");
    EXPECT_EQ(window->ImgSpeaker()->accessibleName(), "Sound effects");
    EXPECT_EQ(window->lblCard(4), nullptr);
    for (const QString& text : QStringList{"phrase 1", "translation 1", "phrase 2", "translation 2"}) {
        ASSERT_GE(cardShowing(text), 0) << text.toStdString();
        EXPECT_FALSE(window->lblCard(cardShowing(text))->isVisible());
        EXPECT_TRUE(window->imgCard(cardShowing(text))->isVisible());
    }
    // The clock waits for the first card.
    EXPECT_FALSE(window->Timer2()->isEnabled());
    clock.advance(20000);

    // The first card: the back slides 500 twips up and left a tick, then the face shows.
    const int first = cardShowing("translation 1");
    const QPoint rest = window->imgCard(first)->pos();
    const qsizetype before = soundLines().size();
    press(first);
    EXPECT_TRUE(window->Timer2()->isEnabled());
    EXPECT_EQ(window->cursor().shape(), Qt::BusyCursor);
    emit window->Timer1()->timeout();
    EXPECT_EQ(window->imgCard(first)->pos(), rest - twipsToPixels(QPoint(500, 500)));
    press(cardShowing("phrase 2"));  // refused while a card turns
    EXPECT_EQ(window->game()->currentCard(), first);
    for (int tick = 1; tick < kTurnTicks; ++tick)
        emit window->Timer1()->timeout();
    EXPECT_FALSE(window->Timer1()->isEnabled());
    EXPECT_EQ(window->imgCard(first)->pos(), rest);
    EXPECT_TRUE(faceUp("translation 1"));
    press(cardShowing("phrase 2"));  // refused during the pause
    EXPECT_FALSE(window->Timer1()->isEnabled());
    EXPECT_EQ(window->game()->currentCard(), first);
    runPause();
    EXPECT_FALSE(window->Timer4()->isEnabled());
    EXPECT_EQ(soundNames(soundLines().mid(before)), QStringList({"CardWhipe", "StopWhipe", "phrase"}));
    EXPECT_EQ(soundLines().last(), "file\t" + copyPath(1) + "\tsync");
    EXPECT_NE(window->cursor().shape(), Qt::BusyCursor);

    clock.advance(3000);
    emit window->Timer2()->timeout();
    EXPECT_EQ(window->lblTimer()->text(), "00:00:03");

    // A miss: both cards face down again.
    EXPECT_EQ(soundNames(turn("phrase 2")), QStringList({"CardWhipe", "StopWhipe", "phrase", "CardWhipe"}));
    EXPECT_FALSE(faceUp("translation 1"));
    EXPECT_FALSE(faceUp("phrase 2"));
    EXPECT_TRUE(window->imgCard(cardShowing("phrase 2"))->isVisible());

    // Pairs leave the table; the last one stores the time and ends the program.
    turn("phrase 1");
    EXPECT_EQ(soundNames(turn("translation 1")).last(), "Correct");
    EXPECT_TRUE(gone("phrase 1"));
    EXPECT_TRUE(gone("translation 1"));
    turn("translation 2");
    clock.advance(4000);
    emit window->Timer2()->timeout();
    clock.advance(1500);  // past the next second, before the next tick: the time shown is stored
    turn("phrase 2");
    EXPECT_TRUE(modals.messages.empty());
    ASSERT_EQ(modals.scores.size(), 1u);
    EXPECT_EQ(modals.scores[0].top10, "Top 10 times");
    ASSERT_EQ(modals.scores[0].rows.size(), 1u);
    EXPECT_EQ(modals.scores[0].rows[0].mid(1, 2), QStringList({"Ana Diaz", "00:00:07"}));
    EXPECT_EQ(window->lblTimer()->text(), "00:00:07");
    EXPECT_FALSE(window->Timer1()->isEnabled() || window->Timer2()->isEnabled() || window->Timer4()->isEnabled());
    EXPECT_EQ(endCodes, std::vector<int>{0});
    EXPECT_TRUE(boxes.shown().empty());
}

TEST_F(TwinpickWindow, ThePauseIsOverBeforeThePhraseIsSpoken)
{
    start(1);
    std::vector<bool> pauseRunning;
    platform::sound::setSink([this, &pauseRunning](const platform::sound::SoundRequest& request) {
        if (request.source == platform::sound::SoundRequest::Source::File)
            pauseRunning.push_back(window->Timer4()->isEnabled());
    });
    press(0);
    runTurn();
    runPause();
    EXPECT_EQ(pauseRunning, std::vector<bool>{false});
}

TEST_F(TwinpickWindow, TogglesSilenceTheEffectsAndThePhrases)
{
    start(2);
    const QRect speaker = window->ImgSpeaker()->geometry();
    const int press20 = twipsToPixels(QSize(0, layout::kTogglePress)).height();

    // The effects toggle is shorter while held, clicks either way and turns the effects off.
    qsizetype before = soundLines().size();
    QTest::mousePress(window->ImgSpeaker(), Qt::LeftButton);
    EXPECT_EQ(window->ImgSpeaker()->height(), speaker.height() - press20);
    QTest::mouseRelease(window->ImgSpeaker(), Qt::LeftButton);
    EXPECT_EQ(window->ImgSpeaker()->geometry(), speaker);
    EXPECT_FALSE(window->ImgSpeaker()->isChecked());
    EXPECT_EQ(soundNames(soundLines().mid(before)), QStringList({"click"}));
    EXPECT_EQ(soundNames(turn("phrase 1")), QStringList({"phrase"}));

    // With the effects off, the speech toggle makes no click.
    before = soundLines().size();
    QTest::mouseClick(window->ImgSay(), Qt::LeftButton);
    EXPECT_FALSE(window->ImgSay()->isChecked());
    EXPECT_TRUE(soundLines().mid(before).isEmpty());
    EXPECT_TRUE(turn("translation 1").isEmpty());
    EXPECT_TRUE(turn("phrase 2").isEmpty());

    // Switched on again, the effects sound without the phrase.
    QTest::mouseClick(window->ImgSpeaker(), Qt::LeftButton);
    // (the score window's own clicks follow)
    EXPECT_EQ(soundNames(turn("translation 2")).mid(0, 3), QStringList({"CardWhipe", "StopWhipe", "Correct"}));
}

TEST_F(TwinpickWindow, TenPhrasesDealTwentyCardsInFiveRowsOfFour)
{
    start(10);
    activitytest::snapshot(window.get(), "twinpick-twenty");
    const std::vector<QPoint> places = layout::cardPlaces(20);
    for (int card = 0; card < 20; ++card) {
        ASSERT_NE(window->imgCard(card), nullptr);
        EXPECT_EQ(window->imgCard(card)->pos(), twipsToPixels(places[card])) << "card " << card;
        EXPECT_EQ(window->lblCard(card)->pos(), twipsToPixels(places[card])) << "card " << card;
    }
    EXPECT_EQ(places.back(), QPoint(8500, 6600));
    EXPECT_EQ(window->lblCard(20), nullptr);
}
