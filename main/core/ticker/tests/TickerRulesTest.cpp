#include "main/core/ticker/MessageTicker.h"
#include "main/core/ticker/TickerTables.h"

#include <gtest/gtest.h>

#include <array>
#include <map>

using ticker::MessageTicker;
using ticker::TickerText;

namespace {

constexpr int kDesignedTwips = 1170;

// Steps the ticker until its text changes; the number of steps it took.
int stepToTextChange(MessageTicker& ticker)
{
    for (int steps = 1; steps < 1000; ++steps)
        if (ticker.step() == MessageTicker::Step::TextChanged) return steps;
    ADD_FAILURE() << "the text never changed";
    return -1;
}

int stepToOpen(MessageTicker& ticker)
{
    for (int steps = 1; steps < 1000; ++steps)
        if (ticker.step() == MessageTicker::Step::Opened) return steps;
    ADD_FAILURE() << "the panel never opened";
    return -1;
}

// One whole turn after the panel opened: the hold ends once, the panel closes
// and opens on the next text, which it gives.
QString nextTurn(MessageTicker& ticker)
{
    ticker.holdEnded();
    stepToTextChange(ticker);
    stepToOpen(ticker);
    return ticker.shown().text;
}

std::vector<TickerText> messages(int count)
{
    std::vector<TickerText> texts;
    for (int i = 1; i <= count; ++i) texts.push_back({QString("M%1").arg(i), QString("page%1.htm").arg(i)});
    return texts;
}

// Draws for a number of turns: each text change draws its colour (0 here), then
// the end of the hold draws 0 (a tip) or 1 (a message).
platform::RandomSource turns(const std::vector<int>& holdDraws)
{
    std::vector<double> values{0.0};  // the colour of the first change
    for (int draw : holdDraws) {
        values.push_back(draw == 1 ? 0.75 : 0.25);
        values.push_back(0.0);
    }
    return platform::RandomSource::scripted(values);
}

}  // namespace

TEST(TickerTables, FontSizeFallsInStepsWithTheLength)
{
    const std::vector<std::pair<int, int>> cases{{0, 8},    {1, 20},   {20, 20},  {21, 18},  {30, 18},  {31, 16},
                                                 {49, 16},  {50, 15},  {60, 15},  {61, 14},  {70, 14},  {71, 13},
                                                 {80, 13},  {81, 12},  {100, 12}, {101, 11}, {130, 11}, {131, 10},
                                                 {160, 10}, {161, 9},  {215, 9},  {216, 8},  {400, 8}};
    for (const auto& [length, points] : cases) EXPECT_EQ(ticker::fontPointsFor(length), points) << length;
}

TEST(TickerTables, HoldIs150MsACharacterUpTo59Seconds)
{
    const std::vector<std::pair<int, int>> cases{
        {1, 150}, {2, 300}, {100, 15000}, {393, 58950}, {394, 59000}, {400, 59000}, {100000, 59000},
        {0, 150}};  // an empty text still holds, so the ticker goes on
    for (const auto& [length, ms] : cases) EXPECT_EQ(ticker::holdMsFor(length), ms) << length;
}

TEST(TickerTables, LightColoursNeverComeAndColourOneTakesTheirPlace)
{
    std::vector<double> draws;
    for (int c = 0; c < 15; ++c) draws.push_back((c + 0.5) / 15);
    const auto random = platform::RandomSource::scripted(draws);
    const std::array<int, 15> expected{0, 1, 2, 3, 4, 5, 6, 1, 8, 9, 1, 1, 12, 13, 1};
    for (int c = 0; c < 15; ++c) EXPECT_EQ(ticker::drawColourIndex(random), expected[c]) << c;

    const platform::RandomSource seeded(20240304);
    std::map<int, int> counts;
    constexpr int kDraws = 150000;
    for (int i = 0; i < kDraws; ++i) ++counts[ticker::drawColourIndex(seeded)];
    for (int light : {7, 10, 11, 14}) EXPECT_EQ(counts.count(light), 0u) << light;
    ASSERT_EQ(counts.size(), 11u);
    // 5 of 15 draws give colour 1, 1 of 15 each other colour.
    for (const auto& [colour, count] : counts) {
        const double share = double(count) / kDraws * 15;
        EXPECT_NEAR(share, colour == 1 ? 5.0 : 1.0, colour == 1 ? 0.1 : 0.05) << colour;
    }
}

TEST(MessageTicker, ClosesOnTheWelcomeLineAndOpensOnTheQueuedText)
{
    MessageTicker ticker(platform::RandomSource::scripted({(12 + 0.5) / 15}), kDesignedTwips);
    ticker.queue({"Choose a subject", ""});
    ticker.showWelcome("Welcome to Dravolin French Ada Admin");
    EXPECT_FALSE(ticker.stepTimerOn());
    ticker.start();
    EXPECT_EQ(ticker.shown().text, "Welcome to Dravolin French Ada Admin");
    EXPECT_EQ(ticker.fontPoints(), 12);

    // 1170 down by 15 until 20 or less: 77 steps to 15.
    EXPECT_EQ(stepToTextChange(ticker), 77);
    EXPECT_EQ(ticker.heightTwips(), 15);
    EXPECT_EQ(ticker.shown(), TickerText({"Choose a subject", ""}));
    EXPECT_EQ(ticker.pending(), TickerText{});
    EXPECT_EQ(ticker.holdMs(), 16 * 150);
    EXPECT_EQ(ticker.fontPoints(), 20);
    EXPECT_EQ(ticker.colourIndex(), 12);
    EXPECT_EQ(ticker.phase(), MessageTicker::Phase::Opening);
    EXPECT_TRUE(ticker.stepTimerOn());
    EXPECT_FALSE(ticker.holdTimerOn());

    // Up by 15 until 950 or more: 63 steps to 960; then the hold runs alone.
    EXPECT_EQ(stepToOpen(ticker), 63);
    EXPECT_EQ(ticker.heightTwips(), 960);
    EXPECT_FALSE(ticker.stepTimerOn());
    EXPECT_TRUE(ticker.holdTimerOn());

    // The end of the hold starts the closing; the hold timer runs on until the text changes.
    ticker.holdEnded();
    EXPECT_TRUE(ticker.stepTimerOn());
    EXPECT_TRUE(ticker.holdTimerOn());
    EXPECT_EQ(ticker.step(), MessageTicker::Step::Moved);
    EXPECT_EQ(ticker.heightTwips(), 945);
    EXPECT_EQ(stepToTextChange(ticker), 62);
    EXPECT_FALSE(ticker.holdTimerOn());
}

TEST(MessageTicker, MessagesComeInTurnAndTipsBetweenThem)
{
    // After the queued text: message, tip, message, tip, tip (back to tip 1), message, message (back to 1).
    MessageTicker ticker(turns({1, 0, 1, 0, 0, 1, 1, 1}), kDesignedTwips);
    ticker.setMessages(messages(3));
    ticker.setTips({"T1", "T2"});
    ticker.queue({"First", ""});
    ticker.showWelcome("Welcome");
    ticker.start();
    stepToTextChange(ticker);
    stepToOpen(ticker);
    EXPECT_EQ(ticker.shown().text, "First");

    QStringList shown;
    for (int turn = 0; turn < 8; ++turn) {
        shown << nextTurn(ticker);
        EXPECT_EQ(ticker.shown().link, shown.back().startsWith('M') ? "page" + shown.back().mid(1) + ".htm" : "")
            << shown.back().toStdString();
    }
    EXPECT_EQ(shown, QStringList({"M1", "T1", "M2", "T2", "T1", "M3", "M1", "M2"}));
}

TEST(MessageTicker, AMessageQueuedAndDroppedByALaterDrawIsSkipped)
{
    // Each firing of the hold timer draws again: message 2 is queued and then
    // replaced by a tip, so message 3 comes next.
    const auto random = platform::RandomSource::scripted({0.0, 0.75, 0.0, 0.75, 0.25, 0.0, 0.75, 0.0});
    MessageTicker ticker(random, kDesignedTwips);
    ticker.setMessages(messages(3));
    ticker.setTips({"T1"});
    ticker.start();
    stepToTextChange(ticker);
    stepToOpen(ticker);
    EXPECT_EQ(nextTurn(ticker), "M1");
    ticker.holdEnded();
    EXPECT_EQ(ticker.pending().text, "M2");
    EXPECT_EQ(nextTurn(ticker), "T1");
    EXPECT_EQ(nextTurn(ticker), "M3");
}

TEST(MessageTicker, EmptyListsAreSkipped)
{
    struct Case {
        const char* name;
        int messageCount;
        QStringList tips;
        std::vector<int> holdDraws;
        QStringList expected;
    };
    const std::vector<Case> cases{
        {"no messages", 0, {"T1", "T2"}, {1, 1, 0}, {"T1", "T2", "T1"}},
        {"no tips", 2, {}, {0, 1, 0}, {"M1", "M2", "M1"}},
        {"neither", 0, {}, {1, 0}, {"Queued", "Queued"}},
    };
    for (const Case& c : cases) {
        MessageTicker ticker(turns(c.holdDraws), kDesignedTwips);
        ticker.setMessages(messages(c.messageCount));
        ticker.setTips(c.tips);
        ticker.queue({"Queued", ""});
        ticker.start();
        stepToTextChange(ticker);
        stepToOpen(ticker);
        QStringList shown;
        for (std::size_t turn = 0; turn < c.holdDraws.size(); ++turn) shown << nextTurn(ticker);
        EXPECT_EQ(shown, c.expected) << c.name;
    }
}

TEST(MessageTicker, AnEmptyTextHoldsAndTheTickerGoesOn)
{
    MessageTicker ticker(platform::RandomSource::scripted({}), kDesignedTwips);
    ticker.setTips({"", "T2"});
    ticker.start();
    stepToTextChange(ticker);
    EXPECT_EQ(ticker.shown().text, "");
    EXPECT_EQ(ticker.holdMs(), 150);
    EXPECT_EQ(ticker.fontPoints(), 8);
    stepToOpen(ticker);
    EXPECT_TRUE(ticker.holdTimerOn());
    EXPECT_EQ(nextTurn(ticker), "T2");
}

TEST(MessageTicker, TheWelcomeLineOfTheNextLearnerHasNoLink)
{
    MessageTicker ticker(turns({1}), kDesignedTwips);
    ticker.setMessages(messages(1));
    ticker.start();
    stepToTextChange(ticker);
    stepToOpen(ticker);
    ASSERT_EQ(nextTurn(ticker), "M1");
    ASSERT_EQ(ticker.shown().link, "page1.htm");

    ticker.showWelcome("Welcome Ben");
    EXPECT_EQ(ticker.shown(), TickerText({"Welcome Ben", ""}));
    EXPECT_EQ(ticker.fontPoints(), 12);
}
