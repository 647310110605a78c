#include "activities/arcade/13popper/rules/PopperGame.h"

#include <gtest/gtest.h>

using namespace popper;
using platform::RandomSource;
using popper::layout::Piece;

namespace {

// A game in play with the cacti parked far left of the desert, so that only
// the pieces a test places meet its bullets.
struct Duel {
    PopperGame game;

    explicit Duel(std::initializer_list<PopperPhrase> phrases, std::vector<double> draws = {})
        : game(QList<PopperPhrase>(phrases), RandomSource::scripted(std::move(draws)))
    {
        game.Start_Game();
        for (int k = 0; k < 4; ++k)
            game.cactusBox(k) = {-9000, 3000, 480, 480};
    }

    // Puts word i where the next learner bullet leaves the gun (after the word's
    // fall on the coming tick, it still covers the bullet).
    void wordAtLearnerGun(int i)
    {
        const Piece& gun = game.learner();
        game.wordsForTest()[i].box.left = gun.left + gun.width / 2;
        game.wordsForTest()[i].box.top = gun.top + 150 - 60;
    }
    void wordAtComputerGun(int i)
    {
        const Piece& gun = game.computer();
        game.wordsForTest()[i].box.left = gun.left - gun.width / 2;
        game.wordsForTest()[i].box.top = gun.top + 150 - 60;
    }
    // Every word out of the bullets' way.
    void wordsAway()
    {
        for (FallingWord& word : game.wordsForTest())
            word.box.left = -9000;
    }
    void learnerFires()
    {
        game.fireKey();
        game.Timer1_Timer();
    }
    // A draw of 0.99 makes the computer stand and shoot.
    void computerFires()
    {
        game.TimerComputerPlayer_Timer();
        game.Timer1_Timer();
    }
    void ticks(int count)
    {
        for (int i = 0; i < count; ++i)
            game.Timer1_Timer();
    }
};

}  // namespace

TEST(PopperWords, RunsOfBlanksNeverMakeEmptyWords)
{
    EXPECT_EQ(phraseWords("  le   pain  "), (QStringList{"le", "pain"}));
    EXPECT_EQ(phraseWords("   "), QStringList{});
    EXPECT_EQ(phraseWords("l'œuf"), QStringList{"l'œuf"});
}

TEST(PopperGame, LaysOutOneLabelPerWordDownTheMiddle)
{
    QString longPhrase;
    for (int i = 0; i < 25; ++i)
        longPhrase += QString("w%1 ").arg(i);
    Duel duel({{longPhrase, "many words"}});
    const QList<FallingWord>& words = duel.game.words();
    ASSERT_EQ(words.size(), 25);
    EXPECT_EQ(duel.game.lastWord(), 24);
    EXPECT_EQ(words[0].box.left, 4200);
    EXPECT_EQ(words[0].box.top, 0);
    EXPECT_EQ(words[24].caption, "w24");
    EXPECT_EQ(words[24].box.top, 24 * 1500);
    for (const FallingWord& word : words)  // bullets hit a word label's design box
        EXPECT_TRUE(word.box.width == 615 && word.box.height == 240) << word.word.toStdString();
    EXPECT_EQ(duel.game.translation(), "many words");
    EXPECT_EQ(duel.game.nextWord(), 0);
    EXPECT_TRUE(duel.game.computerActive());
}

TEST(PopperGame, WordsFallByLengthAndIndexAndStayInPlayUntilThePhraseEnds)
{
    Duel duel({{"a longer", "x"}});
    duel.ticks(3);
    // 5 twips a character, 2 more for each word further down the phrase; the
    // phrase is not laid out again while it is being played.
    EXPECT_EQ(duel.game.words()[0].box.top, 3 * 5);
    EXPECT_EQ(duel.game.words()[1].box.top, 1500 + 3 * (30 + 2));

    duel.game.wordsForTest()[0].box.top = 6431;
    duel.ticks(1);
    EXPECT_EQ(duel.game.words()[0].box.top, 0);  // past the bottom: back to the top
}

TEST(PopperGame, RightWordScoresForTheShooterWrongWordIsPushedAway)
{
    Duel duel({{"le pain été", "x"}}, {0.99});
    duel.wordAtLearnerGun(0);
    duel.learnerFires();
    EXPECT_EQ(duel.game.takeSounds(), (QList<Sound>{Sound::Magnum, Sound::Ting}));
    const FallingWord& first = duel.game.words()[0];
    EXPECT_TRUE(first.shot);
    EXPECT_EQ(first.caption, "20");
    EXPECT_EQ(first.box.width, 615);  // its box stays as the caption changes
    EXPECT_EQ(duel.game.score(Side::Learner), 20);
    EXPECT_EQ(duel.game.phraseLine(), " le");
    EXPECT_EQ(duel.game.nextWord(), 1);
    EXPECT_FALSE(duel.game.learnerBullet(0).inFlight);
    EXPECT_TRUE(duel.game.takeRemoveWordsRequest());

    // The computer hits "été" out of turn: bullet spent, word pushed left.
    duel.wordAtComputerGun(2);
    const int leftBefore = duel.game.words()[2].box.left;
    duel.computerFires();
    EXPECT_EQ(duel.game.takeSounds(), (QList<Sound>{Sound::Bang, Sound::Tink}));
    EXPECT_EQ(duel.game.words()[2].box.left, leftBefore - 100);
    EXPECT_EQ(duel.game.phraseLine(), " le");
    EXPECT_EQ(duel.game.score(Side::Computer), 0);
}

TEST(PopperGame, BothSidesCompeteForTheNextWordAndMissedWordsPushTheOtherWay)
{
    Duel duel({{"un deux trois", "x"}}, {0.99, 0.99});
    duel.wordAtComputerGun(0);
    duel.computerFires();
    EXPECT_EQ(duel.game.score(Side::Computer), 20);
    duel.wordAtLearnerGun(2);
    const int leftBefore = duel.game.words()[2].box.left;
    duel.learnerFires();
    EXPECT_EQ(duel.game.words()[2].box.left, leftBefore + 100);
    duel.ticks(1);
    duel.wordAtLearnerGun(1);
    duel.learnerFires();
    EXPECT_EQ(duel.game.score(Side::Learner), 40);
    EXPECT_EQ(duel.game.phraseLine(), " un deux");

    duel.game.TimerRemoveLabels_Timer();
    for (int i : {0, 1}) {
        EXPECT_FALSE(duel.game.words()[i].visible);
        EXPECT_EQ(duel.game.words()[i].box.left, -2500);
    }
    EXPECT_TRUE(duel.game.words()[2].visible);
}

TEST(PopperGame, LearnerBulletTakesTheFirstMatchOfItsChain)
{
    // The bullet leaves at (left + 315, top + 150) and flies 152 twips in its
    // first tick of the first phrase; the pieces are placed on that spot.
    const Piece path{2000 + 315 + 152, 3000 + 150, 300, 135};
    const Piece onPath{path.left, path.top - 100, 480, 480};
    struct Case {
        const char* name;
        bool cactus, warn, computer;
        int computerTop;  // when the computer is not on the path
        bool computerShotBefore;
        bool flying;  // the bullet after the tick
        bool computerShot;
        int computerMove;
    };
    const Case cases[] = {
        {"cactus first", true, false, true, 0, false, false, false, kNoMove},
        {"strip before the computer: dodge up", false, true, true, 0, false, true, false, kUp},
        {"strip, computer near the top: dodge down", false, true, false, 300, false, true, false, kDown},
        {"strip, computer already shot: no dodge", false, true, false, 4575, true, true, true, kNoMove},
        {"computer", false, false, true, 0, false, false, true, kNoMove},
        {"open desert", false, false, false, 4575, false, true, false, kNoMove},
    };
    for (const Case& c : cases) {
        Duel duel({{"mot", "x"}});
        duel.wordsAway();
        if (c.computerShotBefore) {
            duel.game.computerBox() = onPath;
            duel.game.learnerBox() = {path.left - 315 - 152, path.top - 150, 630, 480};
            duel.learnerFires();
            ASSERT_TRUE(duel.game.computerShot());
        }
        duel.game.learnerBox() = {2000, 3000, 630, 480};
        if (c.cactus)
            duel.game.cactusBox(0) = {onPath.left, onPath.top + 20, 480, 480};  // rises 20 this tick
        duel.game.computerBox() = c.computer ? onPath : Piece{9375, c.computerTop, 480, 480};
        duel.game.warnBox() = c.warn ? Piece{path.left + 10, onPath.top, 15, 705} : Piece{8475, 4425, 15, 705};
        duel.game.takeSounds();

        duel.learnerFires();
        EXPECT_EQ(duel.game.learnerBullet(0).inFlight, c.flying) << c.name;
        EXPECT_EQ(duel.game.computerShot(), c.computerShot) << c.name;
        EXPECT_EQ(duel.game.computerMove(), c.computerMove) << c.name;
        EXPECT_EQ(duel.game.takeSounds().contains(Sound::Oh), c.computerShot && !c.computerShotBefore) << c.name;
    }
}

TEST(PopperGame, ShotComputerIsSilentUntilTheNextPhraseButItsBulletsFlyOn)
{
    Duel duel({{"un", "x"}, {"deux", "y"}}, {0.99, 0.99});
    duel.wordsAway();
    duel.game.TimerComputerPlayer_Timer();  // a shot is requested
    duel.game.learnerBox() = {5000, 4575, 630, 480};
    duel.ticks(1);
    ASSERT_TRUE(duel.game.computerBullet(0).inFlight);

    // The learner shoots the computer from close by, below the computer's bullet.
    const Piece computerBefore = duel.game.computer();
    duel.game.learnerBox() = {computerBefore.left - 315 - 152 - 100, computerBefore.top + 300, 630, 480};
    duel.learnerFires();
    duel.game.takeSounds();
    ASSERT_TRUE(duel.game.computerShot());
    EXPECT_FALSE(duel.game.computerActive());
    duel.game.TimerComputerPlayer_Timer();
    duel.game.setComputerMove(kUp);
    duel.game.tmrMouseCntl_Timer();
    EXPECT_EQ(duel.game.computer().top, computerBefore.top);  // no moves
    duel.ticks(1);
    EXPECT_FALSE(duel.game.takeSounds().contains(Sound::Bang));  // no shots

    // Its bullet already in flight still hits the learner: the game is lost.
    ASSERT_TRUE(duel.game.computerBullet(0).inFlight);
    const Piece bullet = duel.game.computerBullet(0).box;
    duel.game.learnerBox() = {bullet.left - 152 - 300, bullet.top - 100, 630, 480};
    duel.ticks(1);
    EXPECT_EQ(duel.game.state(), PopperGame::State::LearnerShot);
    EXPECT_FALSE(duel.game.running());
    EXPECT_TRUE(duel.game.takeSounds().contains(Sound::Oh));
    duel.game.fireKey();
    duel.ticks(1);
    EXPECT_TRUE(duel.game.takeSounds().isEmpty());  // nothing moves after the end
}

TEST(PopperGame, PhraseEndLaysOutTheNextAndTheLastEndsTheGame)
{
    Duel duel({{"un", "one"}, {"  deux  ", "two"}});
    EXPECT_EQ(duel.game.computerInterval(), 150);
    duel.wordAtLearnerGun(0);
    duel.learnerFires();
    EXPECT_EQ(duel.game.phraseNumber(), 2);
    EXPECT_EQ(duel.game.layouts(), 2);
    EXPECT_EQ(duel.game.translation(), "two");
    EXPECT_EQ(duel.game.words().size(), 1);
    EXPECT_EQ(duel.game.phraseLine(), "");
    EXPECT_EQ(duel.game.computerInterval(), 75);
    EXPECT_EQ(duel.game.bulletSpeed(), 154);

    duel.ticks(40);  // let the first bullet leave the desert
    duel.wordAtLearnerGun(0);
    duel.learnerFires();
    EXPECT_EQ(duel.game.state(), PopperGame::State::Finished);
    EXPECT_EQ(duel.game.score(Side::Learner), 20 + 40);
    EXPECT_EQ(duel.game.layouts(), 2);
}

TEST(PopperGame, PhraseWithoutWordsEndsAtOnce)
{
    Duel duel({{"   ", "nothing"}});
    EXPECT_EQ(duel.game.lastWord(), -1);
    duel.ticks(1);
    EXPECT_EQ(duel.game.state(), PopperGame::State::Finished);
}

TEST(PopperGame, ComputerDecisionIntervalShrinksWithEveryPhrase)
{
    struct Case {
        int count, number, ms;
    };
    for (const Case& c : {Case{10, 1, 750}, Case{10, 9, 150}, Case{10, 10, 75}, Case{1, 1, 75}, Case{3, 2, 150}})
        EXPECT_EQ(PopperGame::decisionInterval(c.count, c.number), c.ms) << c.count << "/" << c.number;
}

TEST(PopperGame, ComputerShootsOnHighDrawsAndOtherwiseHeadsForTheLearner)
{
    struct Case {
        double draw;
        int learnerTop;
        int move;
        bool shoots;
    };
    const Case cases[] = {
        {0.0, 75, kUp, false},      // r = 1: aim up at the learner above
        {0.4, 6000, kDown, false},  // r = 3: aim down
        {0.2, 4575, kStop, false},  // level: hold
        {0.5, 75, 4, true},         // r = 4 to 6: stand and shoot
        {0.99, 75, 6, true},
    };
    for (const Case& c : cases) {
        Duel duel({{"mot", "x"}}, {c.draw});
        duel.wordsAway();
        duel.game.learnerBox().top = c.learnerTop;
        duel.game.TimerComputerPlayer_Timer();
        EXPECT_EQ(duel.game.computerMove(), c.move) << c.draw;
        duel.ticks(1);
        EXPECT_EQ(duel.game.takeSounds().contains(Sound::Bang), c.shoots) << c.draw;
    }
}

TEST(PopperGame, GunslingersMoveWithinTheDesertAndTheStripFollowsTheComputer)
{
    Duel duel({{"mot", "x"}});
    duel.game.arrowDown(kUp);
    duel.game.tmrMouseCntl_Timer();
    EXPECT_EQ(duel.game.learner().top, 75 - 200);  // one step past the top edge, no more
    duel.game.tmrMouseCntl_Timer();
    EXPECT_EQ(duel.game.learner().top, -125);
    duel.game.arrowUp();
    duel.game.tmrMouseCntl_Timer();
    EXPECT_EQ(duel.game.learner().top, -125);

    duel.game.learnerBox().top = 5800;  // 6435 - 480 - 100 = 5855 is the last top that moves
    duel.game.arrowDown(kDown);
    duel.game.tmrMouseCntl_Timer();
    duel.game.tmrMouseCntl_Timer();
    EXPECT_EQ(duel.game.learner().top, 6000);

    duel.game.setComputerMove(kUp);
    duel.game.tmrMouseCntl_Timer();
    EXPECT_EQ(duel.game.computer().top, 4375);
    EXPECT_EQ(duel.game.warn().top, 4375);
}

TEST(PopperGame, CactusThatLeavesTheTopComesBackBelowTheDesert)
{
    Duel duel({{"mot", "x"}}, {0.5});
    duel.wordsAway();
    duel.game.cactusBox(3) = {1350, -470, 480, 480};
    duel.ticks(1);  // rises 35 to -505, wholly above
    EXPECT_EQ(duel.game.cactus(3).top, 6435 + 26 * 100);
}
