#include "BlasterFixture.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace blaster::testing {
namespace {

// One bomb in the first slot; no other falls, as no invader is left to drop one.
struct OneBomb : BlasterFixture {
    explicit OneBomb(Bomb bomb, bool greenBases = false) : BlasterFixture({"A"}, {}, greenBases)
    {
        for (Invader& invader : game.invaders())
            invader.destroyed = true;
        game.bombs()[0] = bomb;
    }
};

TEST(BlasterBomb, OnTheShipCostsALife)
{
    OneBomb fixture(Bomb{true, 310, 460, 12.0f});
    fixture.game.placeShip(300);
    fixture.march(1);
    EXPECT_EQ(fixture.game.lives(), 2);
    EXPECT_FALSE(fixture.game.shipVisible());
    EXPECT_EQ(fixture.game.shipLeft(), 1);
    EXPECT_FALSE(fixture.game.bombs()[0].falling);
    const auto events = fixture.game.takeEvents();
    EXPECT_TRUE(std::any_of(events.begin(), events.end(),
                            [](const BlasterEvent& e) { return e.kind == BlasterEvent::Kind::ShipHit && e.x == 300; }));
    EXPECT_EQ(fixture.game.phase(), BlasterPhase::Playing);

    fixture.game.pressKey(BlasterKey::Right, false);
    EXPECT_TRUE(fixture.game.shipVisible()) << "a key brings the ship back";
}

TEST(BlasterBomb, OnTheLastLifeEndsTheGame)
{
    OneBomb fixture(Bomb{true, 310, 460, 12.0f});
    fixture.game.placeShip(300);
    fixture.game.setLives(1);
    fixture.march(1);
    EXPECT_EQ(fixture.game.phase(), BlasterPhase::Over);
    EXPECT_FALSE(fixture.game.won());
}

TEST(BlasterBomb, OnABaseLeavesACrater)
{
    OneBomb fixture(Bomb{true, 80, 380, 9.0f}, /*greenBases=*/true);
    fixture.march(1);
    EXPECT_FALSE(fixture.game.bombs()[0].falling);
    int black = 0;
    for (int y = 378; y <= 400; ++y)
        for (int x = 72; x <= 90; ++x)
            black += fixture.game.raster().drawingAt(x, y) == kBlack;
    EXPECT_GE(black, 4);
    EXPECT_EQ(fixture.game.lives(), 3);
}

TEST(BlasterBomb, FallsOutOfTheGameAt500)
{
    OneBomb fixture(Bomb{true, 790, 495, 10.0f});
    fixture.march(1);
    EXPECT_FALSE(fixture.game.bombs()[0].falling);
    for (int y = 480; y < 520; ++y)
        EXPECT_EQ(fixture.game.raster().drawingAt(790, y), kNone);
    EXPECT_EQ(fixture.game.lives(), 3);
}

TEST(BlasterBomb, FallsRedAndFaster)
{
    OneBomb fixture(Bomb{true, 600, 200, 1.0f});
    fixture.march(1);
    EXPECT_EQ(fixture.game.bombs()[0].y, 201.0f);
    EXPECT_FLOAT_EQ(fixture.game.bombs()[0].speed, 1.05f);
    EXPECT_EQ(fixture.game.raster().pixel(602, 203), kRed);
    EXPECT_EQ(fixture.game.raster().pixel(600, 200), kBlack) << "its last place is erased";
}

TEST(BlasterBomb, NoneFallsWhenNoInvaderIsLeft)
{
    OneBomb fixture(Bomb{});
    fixture.march(3);
    for (const Bomb& bomb : fixture.game.bombs())
        EXPECT_FALSE(bomb.falling);
}

TEST(BlasterBomb, FallsFromALiveInvader)
{
    BlasterFixture fixture({"AB"});
    fixture.game.invaders()[0].destroyed = true;
    fixture.game.invaders()[1].destroyed = true;
    fixture.march(1);
    const Invader& third = fixture.game.invaders()[2];
    EXPECT_TRUE(fixture.game.bombs()[0].falling);
    EXPECT_EQ(fixture.game.bombs()[0].x, third.x + 5);
    EXPECT_EQ(fixture.game.bombs()[0].y, third.y + 9 + 1) << "it falls in the tick it is dropped";
}

}  // namespace
}  // namespace blaster::testing
