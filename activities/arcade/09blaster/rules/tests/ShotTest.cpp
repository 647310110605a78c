#include "BlasterFixture.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace blaster::testing {
namespace {

bool played(BlasterFixture& fixture, BlasterSound sound)
{
    const auto sounds = fixture.sounds();
    return std::find(sounds.begin(), sounds.end(), sound) != sounds.end();
}

TEST(BlasterShot, TheExpectedLetterFalls)
{
    // Letter i sits on invader i: "L", "E", " ", "P" ...
    BlasterFixture fixture({"LE PAIN"});
    ASSERT_TRUE(fixture.shootAt(0));
    EXPECT_TRUE(fixture.game.invaders()[0].destroyed);
    EXPECT_EQ(fixture.game.invaders()[0].caption, ".");
    EXPECT_EQ(fixture.game.nextLetter(), 1);
    EXPECT_EQ(fixture.game.shownPhrase(), "L");
    EXPECT_EQ(fixture.game.score(), 100);
    EXPECT_EQ(fixture.game.pulseIntervalMs(), 930);
    EXPECT_TRUE(played(fixture, BlasterSound::Explode));
    EXPECT_FALSE(fixture.game.raster().sprite(fixture.game.invaderSprite(0)).visible);

    ASSERT_TRUE(fixture.shootAt(1));
    EXPECT_EQ(fixture.game.shownPhrase(), "LE ") << "the blank after a word shows with it";
}

TEST(BlasterShot, AWrongLetterDodgesLeftThenRight)
{
    BlasterFixture fixture({"LE PAIN"});
    auto& invaders = fixture.game.invaders();
    const float x = invaders[2].x;  // "P", not yet expected
    const float expectedX[] = {x - 15, x, x - 15};
    for (float after : expectedX) {
        ASSERT_TRUE(fixture.shootAt(2));
        EXPECT_EQ(invaders[2].x, after);
        EXPECT_FALSE(invaders[2].destroyed);
    }
    EXPECT_EQ(fixture.game.nextLetter(), 0);
    EXPECT_EQ(fixture.game.score(), 0);
    EXPECT_TRUE(played(fixture, BlasterSound::Gobble));
}

TEST(BlasterShot, AStarGivesAPrizeButNoLetter)
{
    BlasterFixture fixture({"A"});  // invaders 1 to 9 are stars; the prize draw is 0: a life
    ASSERT_EQ(fixture.game.invaders()[5].caption, "*");
    ASSERT_TRUE(fixture.shootAt(5));
    EXPECT_TRUE(fixture.game.invaders()[5].destroyed);
    EXPECT_EQ(fixture.game.lives(), 4);
    EXPECT_EQ(fixture.game.bonus().text, "+1");
    EXPECT_TRUE(fixture.game.bonus().visible);
    EXPECT_EQ(fixture.game.nextLetter(), 0);
    EXPECT_TRUE(played(fixture, BlasterSound::Life));
}

TEST(BlasterShot, TheUfoScoresByDistanceFromItsCentre)
{
    const std::pair<int, int> cases[] = {{0, 1000}, {1, 800}, {-20, 300}, {31, 200}, {32, 100}, {80, 0}};
    for (const auto& [offset, points] : cases) {
        BlasterFixture fixture({"A"});
        fixture.game.placeShip(600 - 14);  // the shot rises at x = 600, clear of the invaders
        fixture.game.pressKey(BlasterKey::Space, false);
        for (int tick = 0; tick < 60 && fixture.game.shotInFlight(); ++tick) {
            fixture.game.ufo() = Ufo{true, true, 600 - 32 - offset, 70, 1, 0};
            fixture.game.syncSprites();
            fixture.game.marchTick();
        }
        EXPECT_FALSE(fixture.game.shotInFlight());
        EXPECT_EQ(fixture.game.score(), points) << "offset " << offset;
        EXPECT_EQ(fixture.game.ufo().active, points == 0) << "offset " << offset;
    }
}

TEST(BlasterShot, ABombInItsWayIsWorth25)
{
    BlasterFixture fixture({"A"});
    fixture.game.bombs()[0] = Bomb{true, 599, 299, 0.0f};  // hangs where the shot looks (it looks every 4 pixels)
    fixture.game.placeShip(600 - 14);
    fixture.game.pressKey(BlasterKey::Space, false);
    for (int tick = 0; tick < 60 && fixture.game.shotInFlight(); ++tick)
        fixture.game.marchTick();
    EXPECT_NE(fixture.game.bombs()[0].x, 599.0f) << "its slot was freed (and a new bomb may fall)";
    EXPECT_EQ(fixture.game.score(), 25);
    EXPECT_EQ(fixture.game.bonus().text, "25");
    EXPECT_EQ(fixture.game.bonus().colour, kRed);
    EXPECT_TRUE(played(fixture, BlasterSound::Tic));
}

TEST(BlasterShot, ABaseTakesACrater)
{
    BlasterFixture fixture({"A"}, {}, /*greenBases=*/true);
    fixture.game.placeShip(80 - 14);  // under the first base (51 to 123)
    fixture.game.pressKey(BlasterKey::Space, false);
    for (int tick = 0; tick < 10 && fixture.game.shotInFlight(); ++tick)
        fixture.game.marchTick();
    EXPECT_FALSE(fixture.game.shotInFlight());
    int black = 0;
    for (int y = 430; y < 460; ++y)
        for (int x = 70; x < 90; ++x)
            black += fixture.game.raster().drawingAt(x, y) == kBlack;
    EXPECT_GE(black, 9);
    EXPECT_EQ(fixture.game.raster().pixel(75, 444), kBlack) << "the crater shows on the base";
    EXPECT_EQ(fixture.game.raster().pixel(100, 444), kGreen);
    EXPECT_EQ(fixture.game.score(), 0);
}

}  // namespace
}  // namespace blaster::testing
