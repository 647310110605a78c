#include "activities/drills/02studybook/rules/StudybookGame.h"
#include "activities/drills/02studybook/rules/StudybookLayout.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <optional>
#include <set>

using namespace studybook;

namespace {

// A source that gives these values in turn, then 0.
RandomSource scripted(std::vector<double> values) { return RandomSource::scripted(std::move(values)); }

// The value v n times over.
std::vector<double> times(int n, double v) { return std::vector<double>(static_cast<std::size_t>(n), v); }

// Never drawn by accident: what the script gives once the game's draws are used up.
constexpr double kMarker = 0.123;

struct Fixture {
    // Shares one stream with the game's copy, so the test sees what is left of it.
    RandomSource random;
    std::shared_ptr<int> seconds = std::make_shared<int>(10 * 3600);
    StudybookGame game;

    explicit Fixture(std::vector<QString> translations, RandomSource source = scripted({}))
        : random(source),
          game(std::move(translations), std::move(source),
               [s = seconds] { return elapsed::TimeOfDay::fromSeconds(*s); })
    {
    }

    std::vector<QString> texts() const
    {
        std::vector<QString> result;
        for (const ChoiceLabel& label : game.labels())
            result.push_back(label.text);
        return result;
    }
    // Runs a whole shuffle; returns the tick numbers (1-based) that asked for its sound.
    std::vector<int> runShuffle()
    {
        std::vector<int> soundTicks;
        for (int tick = 1; tick <= kShuffleTicks; ++tick) {
            const ShuffleStep step = game.shuffleTick();
            if (step.playShuffleSound)
                soundTicks.push_back(tick);
            EXPECT_EQ(step.dealt, tick == kShuffleTicks);
        }
        return soundTicks;
    }
    int labelShowing(const QString& text) const
    {
        const auto t = texts();
        return static_cast<int>(std::find(t.begin(), t.end(), text) - t.begin());
    }
    // Picks the right label of a dealt round, then shuffles and deals again.
    PickResult answerRight()
    {
        const PickOutcome outcome = game.pick(labelShowing(game.translation(game.position())));
        if (outcome.result == PickResult::Right) {
            game.continueAfterPick();
            runShuffle();
        }
        return outcome.result;
    }
};

const std::vector<QString> kThree{"the bread", "the milk", "the cheese"};

}  // namespace

TEST(StudybookDeal, EveryTranslationShowsOnceInTheDrawnOrder)
{
    // Each draw picks among the translations not dealt yet.
    struct Case {
        std::vector<double> draws;
        std::vector<QString> shown;
    };
    const Case cases[] = {
        {{0.0, 0.0, 0.0}, {"the bread", "the milk", "the cheese"}},
        {{0.99, 0.99, 0.99}, {"the cheese", "the milk", "the bread"}},
        {{0.5, 0.0, 0.0}, {"the milk", "the bread", "the cheese"}},
        {{0.4, 0.6, 0.0}, {"the milk", "the cheese", "the bread"}},
        {{1.7, -3.0, 0.0}, {"the cheese", "the bread", "the milk"}},  // a stray source stays in range
    };
    for (const Case& c : cases) {
        std::vector<double> script = c.draws;
        script.push_back(kMarker);
        Fixture f(kThree, scripted(script));
        f.game.Deal_Choices();
        EXPECT_EQ(f.texts(), c.shown);
        EXPECT_EQ(f.random.next(), kMarker) << "one draw per label";
    }
}

TEST(StudybookDeal, SeededDealsAreAlwaysPermutationsAndVary)
{
    const std::vector<QString> ten{"a", "b", "c", "d", "e", "f", "g", "h", "i", "j"};
    Fixture f(ten, RandomSource(7));
    std::set<std::vector<QString>> orders;
    for (int i = 0; i < 50; ++i) {
        f.game.Deal_Choices();
        auto shown = f.texts();
        orders.insert(shown);
        std::sort(shown.begin(), shown.end());
        EXPECT_EQ(shown, ten);
    }
    EXPECT_GT(orders.size(), 40u);
}

TEST(StudybookShuffle, FifteenTicksSoundOnTheSecondThenBlackLabelsAreDealt)
{
    // One tick draws a text and a colour for each of the three labels.
    Fixture f(kThree, scripted(times(6, 0.999)));
    f.game.Start_Round();
    EXPECT_EQ(f.game.phrasesLeft(), 3);
    f.game.shuffleTick();
    for (const ChoiceLabel& label : f.game.labels()) {
        EXPECT_EQ(label.text, "the cheese");
        EXPECT_EQ(label.color, kShuffleColors);  // colours run 1 to 15, never black
    }
    f.game.shuffleTick();  // the script now gives 0
    EXPECT_EQ(f.game.labels()[0].color, 1);

    Fixture g(kThree);
    g.game.Start_Round();
    EXPECT_EQ(g.runShuffle(), std::vector<int>{2});
    EXPECT_FALSE(g.game.shuffling());
    EXPECT_EQ(g.game.shuffleTicks(), 0);
    EXPECT_EQ(g.game.phraseToPlay(), 1);
    for (const ChoiceLabel& label : g.game.labels())
        EXPECT_EQ(label.color, kRestColor);
    EXPECT_EQ(g.game.shuffleTick().dealt, false) << "a stopped shuffle deals nothing";
}

TEST(StudybookShuffle, RandomSourceIsDrawnOnNeverReseeded)
{
    // Ticks within the same clock second keep changing the labels.
    Fixture f(kThree, RandomSource(11));
    f.game.Start_Round();
    std::set<std::vector<QString>> frames;
    for (int tick = 0; tick < kShuffleTicks - 1; ++tick) {
        f.game.shuffleTick();
        frames.insert(f.texts());
    }
    EXPECT_GT(frames.size(), 5u);
}

TEST(StudybookPick, JudgingCountersAndTheWayBack)
{
    Fixture f(kThree);
    f.game.Start_Round();
    f.runShuffle();
    EXPECT_EQ(f.answerRight(), PickResult::Right);
    EXPECT_EQ(f.game.position(), 2);
    EXPECT_EQ(f.game.phrasesLeft(), 2);
    EXPECT_EQ(f.game.phraseToPlay(), 2);
    EXPECT_EQ(f.answerRight(), PickResult::Right);
    EXPECT_EQ(f.game.phrasesLeft(), 1);

    // A wrong pick on the last phrase: its translation is shown, back to phrase 1.
    const PickOutcome wrong = f.game.pick(f.labelShowing("the bread"));
    EXPECT_EQ(wrong.result, PickResult::Wrong);
    EXPECT_EQ(wrong.rightTranslation, "the cheese");
    EXPECT_EQ(f.game.position(), 1);
    EXPECT_EQ(f.game.phrasesLeft(), 3);
    EXPECT_EQ(f.game.pick(0).result, PickResult::Ignored) << "no pick until the next deal";
    EXPECT_FALSE(f.game.shuffling()) << "the next shuffle waits for the message";
    f.game.continueAfterPick();
    EXPECT_FALSE(f.game.acceptsPicks()) << "later shuffles take no picks";
    f.runShuffle();
    EXPECT_TRUE(f.game.acceptsPicks());
    EXPECT_EQ(f.answerRight(), PickResult::Right);
    EXPECT_EQ(f.answerRight(), PickResult::Right);
    EXPECT_EQ(f.game.pick(f.labelShowing("the cheese")).result, PickResult::Finished);
    EXPECT_EQ(f.game.phrasesLeft(), 0);
}

TEST(StudybookPick, ComparisonIsExactAndEqualTranslationsBothCount)
{
    for (int twin : {0, 1}) {
        Fixture f({"the pear", "the pear", "The Pear "});
        f.game.Start_Round();
        f.runShuffle();
        const auto texts = f.texts();
        int index = -1;
        for (int k = 0, seen = 0; k < 3; ++k)
            if (texts[k] == "the pear" && seen++ == twin)
                index = k;
        EXPECT_EQ(f.game.pick(index).result, PickResult::Right) << twin;
    }
    Fixture f({"the pear", "The Pear "});
    f.game.Start_Round();
    f.runShuffle();
    EXPECT_EQ(f.game.pick(f.labelShowing("The Pear ")).result, PickResult::Wrong);
}

TEST(StudybookPick, OnePhraseFinishesAtOnceAndStopsTheClockAtThatMoment)
{
    Fixture f({"the dog"});
    EXPECT_EQ(f.game.labels().size(), 1u);
    f.game.startClock();
    *f.seconds += 75;  // the instruction window was open
    f.game.Start_Round();
    f.runShuffle();
    EXPECT_EQ(f.game.clockText(), "00:00:00") << "not refreshed yet";
    *f.seconds += 7;
    const PickOutcome outcome = f.game.pick(0);
    EXPECT_EQ(outcome.result, PickResult::Finished);
    EXPECT_EQ(f.game.clockText(), "00:01:22");
    EXPECT_FALSE(f.game.clockRunning());
    *f.seconds += 30;
    EXPECT_EQ(f.game.clockTick(), "00:01:22");
    EXPECT_EQ(f.game.phraseToPlay(), std::nullopt) << "no phrase past the end of the list";
    f.game.continueAfterPick();
    EXPECT_FALSE(f.game.shuffling());
    EXPECT_EQ(f.game.pick(0).result, PickResult::Ignored);
}

TEST(StudybookPick, PickDuringTheFirstShuffleStopsItBeforeAnyDeal)
{
    // Right pick with one phrase: finished, and no later tick deals or plays phrase 2.
    {
        Fixture f({"the cat"});
        f.game.Start_Round();
        f.game.shuffleTick();
        f.game.shuffleTick();
        EXPECT_EQ(f.game.pick(0).result, PickResult::Finished);
        EXPECT_FALSE(f.game.shuffling());
        for (int tick = 0; tick < kShuffleTicks; ++tick)
            EXPECT_FALSE(f.game.shuffleTick().dealt);
        EXPECT_EQ(f.game.phraseToPlay(), std::nullopt);
        for (const ChoiceLabel& label : f.game.labels())
            EXPECT_EQ(label.color, kRestColor);
    }
    // Wrong pick: the shuffle stays stopped while the message shows.
    {
        Fixture f({"the cat", "the hat"}, scripted(times(4, 0.9)));  // every label shows "the hat"
        f.game.Start_Round();
        f.game.shuffleTick();
        const PickOutcome wrong = f.game.pick(1);
        EXPECT_EQ(wrong.result, PickResult::Wrong);
        EXPECT_EQ(wrong.rightTranslation, "the cat");
        EXPECT_FALSE(f.game.shuffleTick().dealt);
        f.game.continueAfterPick();
        EXPECT_EQ(f.runShuffle(), std::vector<int>{2}) << "a fresh shuffle from its first tick";
        EXPECT_EQ(f.game.phraseToPlay(), 1);
    }
}

TEST(StudybookClock, CountsFromStartAcrossMidnightAndIgnoresWrongPicks)
{
    Fixture f(kThree);
    *f.seconds = 23 * 3600 + 59 * 60 + 50;
    f.game.startClock();
    EXPECT_EQ(f.game.clockText(), "00:00:00");
    *f.seconds = 20;
    EXPECT_EQ(f.game.clockTick(), "00:00:30");
    f.game.Start_Round();
    f.runShuffle();
    f.game.pick(f.labelShowing("the cheese"));
    *f.seconds = 80;
    EXPECT_EQ(f.game.clockTick(), "00:01:30");
}

TEST(StudybookHover, OneLabelBlueAtATimeAndOnlyWhilePicksAreTaken)
{
    Fixture f(kThree);
    f.game.Start_Round();
    f.runShuffle();
    struct Step {
        int over;  // -1: the window outside the labels
        int rested;
        int hovered;
    };
    const Step steps[] = {{0, -1, 0}, {0, -1, -1}, {2, 0, 2}, {-1, 2, -1}, {-1, -1, -1}, {1, -1, 1}};
    for (const Step& s : steps) {
        const HoverChange change = s.over < 0 ? f.game.leaveLabels() : f.game.hoverLabel(s.over);
        EXPECT_EQ(change.rested, s.rested);
        EXPECT_EQ(change.hovered, s.hovered);
        for (int k = 0; k < 3; ++k)
            EXPECT_EQ(f.game.labels()[k].color, k == f.game.hoverIndex() ? kHoverColor : kRestColor);
    }
    f.answerRight();  // the shuffle ends with every label black and none hovered
    EXPECT_EQ(f.game.hoverIndex(), -1);
    f.game.pick(0);
    EXPECT_EQ(f.game.hoverLabel(2).hovered, -1);
}

TEST(StudybookLayout, LabelsStandSixHundredTwipsApartAndTheWindowHoldsThemAll)
{
    EXPECT_EQ(layout::choiceTop(1) - layout::choiceTop(0), 600);
    EXPECT_EQ(layout::choiceTop(9) - layout::choiceTop(0), 5400);
    for (int count = 1; count <= 10; ++count) {
        EXPECT_GE(layout::formHeight(count), layout::choiceTop(count - 1) + layout::kChoiceHeight);
        EXPECT_GE(layout::formHeight(count), layout::kSideBottom);
    }
    EXPECT_EQ(layout::formHeight(1), layout::formHeight(2)) << "short lists keep room for the clock";
    EXPECT_EQ(layout::formHeight(10) - layout::formHeight(9), 600);
}
