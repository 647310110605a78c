// The listen-and-find window played through in-process: the instruction window,
// the target phrases, right and wrong clicks, the percentage, and the stored
// score in a user store made from the built template.
#include "activities/drills/08spotter/rules/SpotterLayout.h"
#include "activities/drills/08spotter/window/frmSpotter.h"
#include "activities/framework/testkit/ActivityWindowTest.h"
#include "platform/ui/Twips.h"

#include <QTest>

#include <gtest/gtest.h>

using namespace spotter;

namespace {

class SpotterWindow : public activitytest::ActivityWindowTest {
protected:
    void start(int count, std::vector<double> draws = {})
    {
        window = std::make_unique<frmSpotter>(RandomSource::scripted(std::move(draws)));
        ASSERT_TRUE(ActivityWindowTest::start(*window, count));
    }

    const SpotterGame& game() const { return *window->game(); }
    int otherCard() const
    {
        for (int card = 0; card < game().cardCount(); ++card) {
            if (card != game().target() && game().cardShown(card))
                return card;
        }
        return -1;
    }
    void click(int card) { QTest::mouseClick(window->lblPhrase(card), Qt::LeftButton); }
    QString targetSound() const { return "file\t" + copyPath(game().targetPhrase()) + "\tasync"; }

    std::unique_ptr<frmSpotter> window;
};

}  // namespace

TEST_F(SpotterWindow, PlayedFromTheInstructionWindowToTheStoredPercentage)
{
    // The deal puts phrase 3, 1, 2 on cards 0, 1, 2; the first target is card 0.
    start(3, {0.9, 0.0, 0.0, 0.0});
    EXPECT_EQ(window->windowTitle(), "Lessondesk French - Spotter 1.0.0");
    ASSERT_EQ(modals.instructions.size(), 3);
    EXPECT_EQ(modals.instructions[0], "Spotter");
    EXPECT_EQ(modals.instructions[2], "PLAY");
    EXPECT_EQ(window->lblCaption(2)->text(), "Wrong");
    EXPECT_EQ(window->lblCaption(1)->text(), "Right");
    EXPECT_EQ(window->lblCaption(0)->text(), "Score");
    EXPECT_EQ(window->btnHearAgain()->text(), "Hear it again");
    EXPECT_EQ(window->lblWrong()->text(), "0");
    EXPECT_EQ(window->lblRight()->text(), "0");
    EXPECT_EQ(window->lblPercentage()->text(), "0%");
    ASSERT_NE(window->lblPhrase(2), nullptr);
    EXPECT_EQ(window->lblPhrase(3), nullptr);
    // The translation stands on the card's second line; screen readers get it alone.
    EXPECT_EQ(window->lblPhrase(0)->caption(), "\ntranslation 3");
    EXPECT_EQ(window->lblPhrase(1)->caption(), "\ntranslation 1");
    EXPECT_EQ(window->lblPhrase(2)->accessibleName(), "translation 2");
    ASSERT_EQ(game().target(), 0);
    EXPECT_EQ(soundLines().last(), targetSound());

    QTest::mouseClick(window->btnHearAgain(), Qt::LeftButton);
    EXPECT_EQ(soundLines().last(), targetSound());

    // A wrong card stays; the next target may be the same phrase again.
    const qsizetype before = soundLines().size();
    click(1);
    ASSERT_GT(soundLines().size(), before);
    EXPECT_TRUE(soundLines()[before].endsWith("\tNO\tsync")) << soundLines()[before].toStdString();
    EXPECT_TRUE(window->lblPhrase(1)->isVisible());
    EXPECT_EQ(window->lblWrong()->text(), "1");
    EXPECT_EQ(window->lblPercentage()->text(), "0%");
    EXPECT_EQ(soundLines().last(), targetSound());

    // Every right card leaves the table; the last one ends the game.
    while (!game().finished() && endCodes.empty()) {
        const int target = game().target();
        click(target);
        EXPECT_FALSE(window->lblPhrase(target)->isVisible());
        EXPECT_TRUE(soundLines().join('\n').contains("\tYES\tsync"));
    }
    EXPECT_EQ(window->lblRight()->text(), "3");
    EXPECT_EQ(window->lblPercentage()->text(), "75%");
    ASSERT_EQ(modals.scores.size(), 1u);
    EXPECT_EQ(modals.scores[0].top10, "Top 10 scores (% right)");
    ASSERT_EQ(modals.scores[0].rows.size(), 1u);
    EXPECT_EQ(modals.scores[0].rows[0].mid(1, 2), QStringList({"Ana Diaz", "75"}));
    EXPECT_EQ(modals.scores[0].selected, 0);
    EXPECT_EQ(endCodes, std::vector<int>{0});
    EXPECT_TRUE(boxes.shown().empty());
}

TEST_F(SpotterWindow, ADoubleClickIsOneClick)
{
    start(2);
    const int wrong = otherCard();
    QTest::mouseClick(window->lblPhrase(wrong), Qt::LeftButton);
    QTest::mouseDClick(window->lblPhrase(wrong), Qt::LeftButton);
    QTest::mouseRelease(window->lblPhrase(wrong), Qt::LeftButton);
    EXPECT_EQ(game().wrongCount() + game().rightCount(), 1);
    EXPECT_EQ(window->lblWrong()->text(), "1");
}

TEST_F(SpotterWindow, OnlyTheFaceTakesClicksAndHeldFacesShowIt)
{
    start(2);
    SpotterCard* card = window->lblPhrase(otherCard());
    // The shadow below the face is not part of the card's button.
    QTest::mouseClick(card, Qt::LeftButton, {}, QPoint(card->width() - 3, card->height() - 3));
    EXPECT_EQ(game().wrongCount(), 0);
    QTest::mousePress(card, Qt::LeftButton, {}, card->faceRect().center());
    EXPECT_TRUE(card->isDown());
    QTest::mouseRelease(card, Qt::LeftButton, {}, card->faceRect().center());
    EXPECT_FALSE(card->isDown());
    EXPECT_EQ(game().wrongCount(), 1);
}

TEST_F(SpotterWindow, TenCardsStandInTwoColumns)
{
    start(10);
    activitytest::snapshot(window.get(), "spotter-ten");
    const std::vector<QPoint> places = layout::arrayPlaces(layout::kFrame.topLeft(), 10);
    for (int card = 0; card < 10; ++card) {
        ASSERT_NE(window->lblPhrase(card), nullptr);
        EXPECT_EQ(window->lblPhrase(card)->pos(), platform::ui::twipsToPixels(places[card])) << "card " << card;
        EXPECT_TRUE(window->lblPhrase(card)->isVisible());
    }
}

TEST_F(SpotterWindow, OneCardFoundScoresAHundred)
{
    start(1);
    click(0);
    ASSERT_EQ(modals.scores.size(), 1u);
    EXPECT_EQ(modals.scores[0].rows[0][2], "100");
}
