#include "BlasterFixture.h"

#include <gtest/gtest.h>

#include <cmath>

namespace blaster::testing {
namespace {

TEST(BlasterFormation, LaidOutInRowsOfTenUnderTheLevelsTop)
{
    BlasterFixture fixture({"ABCDEFGHIJK"});
    const auto& invaders = fixture.game.invaders();
    ASSERT_EQ(invaders.size(), 20u);
    for (int i = 0; i < 20; ++i) {
        EXPECT_EQ(invaders[std::size_t(i)].x, 36.0f * (i % 10 + 1) + 20) << i;
        EXPECT_EQ(invaders[std::size_t(i)].y, 36.0f * (i / 10 + 1) + 82) << i;
    }
    EXPECT_EQ(invaders[0].x, 56.0f);
    EXPECT_EQ(invaders[9].x, 380.0f);
    EXPECT_EQ(fixture.game.pulseIntervalMs(), 1000);
    EXPECT_EQ(fixture.game.stepX(), 1.0f);
}

TEST(BlasterFormation, EachLevelStartsLowerDownToAFloor)
{
    // "~" draws no pixel, so each round is complete as soon as it is dealt.
    BlasterFixture fixture(std::vector<QString>(10, "~"));
    const float expectedTops[] = {82, 98, 114, 130, 146, 162, 178, 194, 210, 210};
    for (int round = 0; round < 10; ++round) {
        ASSERT_EQ(fixture.game.phase(), BlasterPhase::PhraseComplete) << round;
        EXPECT_EQ(fixture.game.invaders()[0].y, 36 + expectedTops[round]) << "level " << round + 1;
        fixture.game.nextPhrase();
    }
    EXPECT_EQ(fixture.game.phase(), BlasterPhase::Over);
    EXPECT_TRUE(fixture.game.won());
}

TEST(BlasterFormation, TurnsAtAnEdgeDropsOnceAndQuickens)
{
    BlasterFixture fixture({"AB"});
    auto& invaders = fixture.game.invaders();
    for (Invader& invader : invaders)
        invader.x += 395;  // the rightmost column stands at 775
    const float top = invaders[0].y;

    fixture.march(1);  // 776: beyond the right edge
    EXPECT_FLOAT_EQ(fixture.game.stepX(), -1.02f);
    EXPECT_EQ(fixture.game.pulseIntervalMs(), 930);
    EXPECT_EQ(invaders[0].y, top);
    fixture.march(1);  // the turn's tick: 14 down and back to the left
    EXPECT_EQ(invaders[0].y, top + 14);
    EXPECT_FLOAT_EQ(invaders[9].x, 776 - 1.02f);
    fixture.march(1);
    EXPECT_EQ(invaders[0].y, top + 14) << "one drop per turn";

    // Each turn is 2 % faster up to 15 pixels a tick; the pulse never goes below 50 ms.
    const int pulses[] = {864, 803, 746};
    for (int turn = 0; turn < 200; ++turn) {
        for (Invader& invader : invaders) {
            invader.x = fixture.game.stepX() > 0 ? 790.0f : 0.0f;
            invader.y = top;
        }
        fixture.march(1);
        if (turn < 3) {
            EXPECT_EQ(fixture.game.pulseIntervalMs(), pulses[turn]) << turn;
        }
    }
    EXPECT_EQ(fixture.game.pulseIntervalMs(), 50);
    EXPECT_EQ(std::abs(fixture.game.stepX()), 15.0f);
    EXPECT_EQ(fixture.game.phase(), BlasterPhase::Playing);
}

TEST(BlasterFormation, AnInvaderBeyondTheEdgeBehindDoesNotTurnIt)
{
    BlasterFixture fixture({"AB"});
    auto& invaders = fixture.game.invaders();
    invaders[0].x = 5;  // dodged out beyond the left edge while the formation goes right
    const float top = invaders[0].y;
    fixture.march(20);
    EXPECT_EQ(fixture.game.stepX(), 1.0f);
    EXPECT_EQ(invaders[5].y, top) << "the formation never came down";

    fixture.game.setStepX(-1.0f);
    invaders[0].x = 9.5f;
    fixture.march(1);
    EXPECT_GT(fixture.game.stepX(), 0.0f) << "an edge ahead still turns it";
}

TEST(BlasterFormation, LowRowsRemoveTheBasesThenLand)
{
    BlasterFixture fixture({"AB"});
    auto& invaders = fixture.game.invaders();
    const Raster& raster = fixture.game.raster();
    ASSERT_TRUE(raster.sprite(0).visible);

    invaders[3].y = 351;
    fixture.march(1);
    EXPECT_EQ(fixture.game.lowState(), 1);
    for (int base = 0; base < 5; ++base)
        EXPECT_FALSE(raster.sprite(base).visible);
    EXPECT_EQ(fixture.game.phase(), BlasterPhase::Playing);

    invaders[3].destroyed = true;  // a shot invader below the line does not count
    invaders[4].y = 442;
    invaders[3].y = 500;
    fixture.march(1);
    EXPECT_EQ(fixture.game.phase(), BlasterPhase::Over);
    EXPECT_FALSE(fixture.game.won());
    EXPECT_EQ(fixture.game.lives(), 3) << "landing ends the game with lives left";
}

TEST(BlasterFormation, SpritesStandWhereTheHitTestLooks)
{
    BlasterFixture fixture({"ABCDEFGHIJKLM"});
    fixture.game.setStepX(7.4f);
    for (int tick = 0; tick < 5; ++tick) {
        fixture.march(1);
        for (std::size_t i = 0; i < fixture.game.invaders().size(); ++i) {
            const Invader& invader = fixture.game.invaders()[i];
            const Sprite& sprite = fixture.game.raster().sprite(fixture.game.invaderSprite(int(i)));
            ASSERT_EQ(sprite.x, std::lround(invader.x)) << i;
            ASSERT_EQ(sprite.y, std::lround(invader.y)) << i;
        }
    }
    // A shot just right of an invader's box (beyond x + 27) meets no sprite either.
    const Invader& first = fixture.game.invaders()[0];
    EXPECT_EQ(fixture.game.raster().pixel(int(first.x) + 10, int(first.y) + 5), kGreen);
    EXPECT_EQ(fixture.game.raster().pixel(int(first.x) + 28, int(first.y) + 5), kBlack);
}

}  // namespace
}  // namespace blaster::testing
