#include "activities/arcade/12slither/rules/SnakeGame.h"

#include <gtest/gtest.h>

#include <vector>

namespace slither {
namespace {

using platform::RandomSource;

constexpr int kBoard = 200;  // 20 grid steps each way

// The draw that puts a coordinate at value on the board.
double at(int value)
{
    return (value / kStep + 0.5) / (kBoard / kStep);
}

// The draw that makes decoy letter c.
double letter(char c)
{
    return (c - 'B' + 0.5) / kDecoyLetters;
}

// The draws of one placement: the target at t, the decoy at d showing decoy.
std::vector<double> place(Point t, Point d = {190, 190}, char decoy = 'Z')
{
    return {at(t.x), at(t.y), at(d.x), at(d.y), letter(decoy)};
}

std::vector<double> join(std::initializer_list<std::vector<double>> parts)
{
    std::vector<double> all;
    for (const auto& part : parts)
        all.insert(all.end(), part.begin(), part.end());
    return all;
}

SnakeGame game(std::vector<QString> texts, std::vector<double> draws, SnakeGame::CharacterShown shown = {})
{
    std::vector<SnakePhrase> phrases;
    for (const QString& text : texts)
        phrases.push_back({text, QStringLiteral("T:") + text});
    SnakeGame g(std::move(phrases), kBoard, kBoard, RandomSource::scripted(std::move(draws)), std::move(shown));
    g.newGame();
    return g;
}

void ticks(SnakeGame& g, int count)
{
    for (int i = 0; i < count; ++i)
        g.tick();
}

TEST(SnakeSpeed, LevelsSetTheIntervalAndThePoints)
{
    const struct {
        int level;
        std::optional<Speed> speed;
    } cases[] = {{1, Speed{120, 5}}, {2, Speed{85, 10}}, {3, Speed{60, 15}}, {4, Speed{40, 20}},
                 {5, Speed{20, 25}}, {0, std::nullopt},  {6, std::nullopt}};
    for (const auto& c : cases)
        EXPECT_EQ(speedOfLevel(c.level), c.speed) << "level " << c.level;

    SnakeGame g = game({QStringLiteral("A")}, {});
    g.setSpeed(1);
    g.setSpeed(5);
    EXPECT_FALSE(g.setSpeed(9));
    EXPECT_EQ(g.pointsPerCharacter(), 25) << "level 1 then 5, then an unknown level: level 5 stands";
}

TEST(SnakeMoves, ANewSnakeLiesAlongTheLeftEdgeAndNeverTurnsBackOnItself)
{
    SnakeGame g = game({QStringLiteral("A")}, {});
    ASSERT_EQ(g.cells().size(), 10u);
    EXPECT_EQ(g.cells().front(), (Point{10, 10}));
    EXPECT_EQ(g.head(), (Point{10, 100}));

    EXPECT_FALSE(g.steer(Direction::Up)) << "straight back up";
    // Two keys within one tick: left, then up, would turn the snake onto itself.
    EXPECT_TRUE(g.steer(Direction::Left));
    EXPECT_FALSE(g.steer(Direction::Up));
    EXPECT_TRUE(g.steer(Direction::Right));
    g.tick();
    EXPECT_EQ(g.head(), (Point{20, 100}));
    EXPECT_FALSE(g.steer(Direction::Left));
    EXPECT_TRUE(g.steer(Direction::Up));
}

TEST(SnakeMoves, TheEdgePointIsOnTheBoardOneStepFurtherIsACrash)
{
    SnakeGame g = game({QStringLiteral("A")}, {});
    g.steer(Direction::Right);
    ticks(g, (kBoard - 10) / kStep);
    EXPECT_EQ(g.head().x, kBoard);
    EXPECT_TRUE(g.running());
    EXPECT_EQ(g.tick().crash, Crash::Wall);
    EXPECT_FALSE(g.running());
}

TEST(SnakeMoves, RunningIntoItsOwnBodyIsACrash)
{
    SnakeGame g = game({QStringLiteral("A")}, {});
    g.steer(Direction::Right);
    g.tick();
    g.steer(Direction::Up);
    g.tick();
    g.steer(Direction::Left);
    EXPECT_EQ(g.tick().crash, Crash::Wall);
}

TEST(SnakeEats, ACharacterPaysItsPointsAndGrowsTheSnakeByTwoOverTwoTicks)
{
    SnakeGame g = game({QStringLiteral("AB")}, join({place({10, 110}), place({10, 150})}));
    ASSERT_EQ(g.target(), QLatin1Char('A'));

    const TickOutcome outcome = g.tick();
    EXPECT_TRUE(outcome.ate);
    EXPECT_FALSE(outcome.phraseDone);
    EXPECT_EQ(g.score(), 15);
    EXPECT_EQ(g.colour(), SnakeColour::Fed);
    EXPECT_EQ(g.phraseLine(), QStringLiteral("A"));
    EXPECT_EQ(g.target(), QLatin1Char('B'));
    EXPECT_EQ(g.targetPoint(), (Point{10, 150}));
    ASSERT_EQ(g.cells().size(), 12u);

    const Point tail = g.cells().front();
    ticks(g, 2);
    EXPECT_EQ(g.cells().front(), tail) << "the tail stays put for two ticks";
    g.tick();
    EXPECT_NE(g.cells().front(), tail);
    EXPECT_EQ(g.colour(), SnakeColour::Moving);
}

// A two-word phrase at each level: the blank is never a target, it joins the
// phrase line with the character before it, and the phrase pays its
// characters plus the bonus.
TEST(SnakeEats, BlanksAreFilledInAndAPhrasePaysItsBonusAtEveryLevel)
{
    for (int level = 1; level <= kLevels; ++level) {
        SnakeGame g = game({QStringLiteral("AB CD")},
                           join({place({10, 110}), place({10, 120}), place({10, 130}), place({10, 140})}));
        g.setSpeed(level);
        ticks(g, 2);
        EXPECT_EQ(g.phraseLine(), QStringLiteral("AB ")) << "level " << level;
        EXPECT_EQ(g.target(), QLatin1Char('C'));
        g.tick();
        const TickOutcome last = g.tick();
        EXPECT_TRUE(last.phraseDone && last.won) << "level " << level;
        EXPECT_EQ(g.score(), 4 * speedOfLevel(level)->pointsPerCharacter + kPhraseBonus) << "level " << level;
        EXPECT_EQ(g.phraseLine(), QStringLiteral("AB CD"));
    }
}

TEST(SnakeEats, PhrasesFollowOneAnotherAndOddOnesNeverHang)
{
    // A phrase ending in a blank, an empty one, one of blanks only, and one
    // whose accented letter the board cannot draw.
    const auto shown = [](QChar c) { return c != QChar(u'É'); };
    SnakeGame g = game({QStringLiteral("A "), QString(), QStringLiteral("  "), QStringLiteral("ÉT")},
                       join({place({10, 110}), place({10, 120})}), shown);
    EXPECT_EQ(g.translation(), QStringLiteral("T:A "));
    const TickOutcome first = g.tick();
    EXPECT_TRUE(first.phraseDone) << "the trailing blank does not hold the phrase open";
    EXPECT_FALSE(first.won);
    EXPECT_EQ(g.currentPhrase(), 4);
    EXPECT_EQ(g.translation(), QStringLiteral("T:ÉT"));
    EXPECT_EQ(g.phraseLine(), QStringLiteral("É"));
    EXPECT_EQ(g.target(), QLatin1Char('T'));
    EXPECT_TRUE(g.tick().won);
    EXPECT_EQ(g.score(), 2 * 15 + 2 * kPhraseBonus);
}

TEST(SnakeDecoy, NeverTheTargetNeverOnTheSnakeAndNeverA)
{
    // The decoy is first drawn onto the snake and as the target's letter.
    SnakeGame g = game({QStringLiteral("Q")}, {at(100), at(100), at(10), at(50), at(60), at(70), letter('Q'), 0.999});
    EXPECT_EQ(g.decoyPoint(), (Point{60, 70}));
    EXPECT_EQ(g.decoy(), QLatin1Char('Z'));

    // A source that keeps giving the target's letter still yields another one.
    SnakeGame stuck = game({QStringLiteral("B")}, {});
    EXPECT_NE(stuck.decoy(), QLatin1Char('B'));
    EXPECT_NE(stuck.decoy(), QLatin1Char('A'));
}

TEST(SnakeDecoy, EatingTheDecoyCostsALifeAndTheSameCharacterComesBack)
{
    SnakeGame g = game({QStringLiteral("XY")}, join({place({150, 150}, {10, 110}, 'K'), place({100, 50})}));
    EXPECT_EQ(g.tick().crash, Crash::Decoy);
    EXPECT_FALSE(g.steer(Direction::Right)) << "keys do nothing while the crash is held";
    EXPECT_EQ(g.tick().crash, Crash::None) << "and the snake does not move";
    g.loseLife();
    EXPECT_EQ(g.lives(), kLives - 1);
    EXPECT_EQ(g.colour(), SnakeColour::Crashed);

    g.restartAfterCrash();
    EXPECT_TRUE(g.running());
    EXPECT_EQ(g.head(), (Point{10, 100}));
    EXPECT_EQ(g.direction(), Direction::Down);
    EXPECT_EQ(g.target(), QLatin1Char('X'));
    EXPECT_EQ(g.targetPoint(), (Point{100, 50}));
}

TEST(SnakeDecoy, ATargetSharingTheDecoysPointIsEatenAndAWonGameStaysWon)
{
    SnakeGame g = game({QStringLiteral("A")}, place({10, 110}, {10, 110}, 'M'));
    const TickOutcome outcome = g.tick();
    EXPECT_TRUE(outcome.won);
    EXPECT_EQ(outcome.crash, Crash::None);
    EXPECT_FALSE(g.running());
    EXPECT_FALSE(g.tick().ate);
    EXPECT_EQ(g.score(), 15 + kPhraseBonus);
}

TEST(SnakeLives, TheFifthCrashEndsTheGame)
{
    SnakeGame g = game({QStringLiteral("A")}, {});
    for (int life = kLives; life > 0; --life) {
        g.steer(Direction::Right);
        while (g.tick().crash == Crash::None) {
        }
        g.loseLife();
        g.restartAfterCrash();
    }
    EXPECT_EQ(g.lives(), 0);
    EXPECT_FALSE(g.running());
}

}  // namespace
}  // namespace slither
