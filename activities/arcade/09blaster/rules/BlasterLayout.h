#pragma once

// The invaders game's numbers, in pixels of its 800 x 574 window
// (x to the right, y downwards, positions are left and top edges).
namespace blaster::layout {

constexpr int kInvaderWidth = 35;
constexpr int kInvaderHeight = 36;
constexpr int kInvadersPerRow = 10;
constexpr int kColumnStep = 36;   // X = 36 * column + 20
constexpr int kColumnOffset = 20;
constexpr int kRowStep = 36;      // Y = 36 * row + top
constexpr int kTopPerLevel = 16;  // top = 16 * level + 66, at most 210
constexpr int kTopOffset = 66;
constexpr int kLowestTop = 210;

constexpr int kLeftEdge = 10;     // the formation turns beyond these
constexpr int kRightEdge = 775;
constexpr int kBasesGoneY = 350;  // a live invader below this removes the bases
constexpr int kLandedY = 441;     // and below this one has landed
constexpr float kTurnFactor = -1.02f;
constexpr float kFastestStep = 15.0f;
constexpr float kDropOnTurn = 14.0f;

constexpr int kBaseLefts[5] = {51, 204, 357, 510, 663};
constexpr int kBaseTop = 391;
constexpr int kBaseWidth = 73;
constexpr int kBaseHeight = 57;
constexpr int kBasePictures = 10;  // "base1" to "base10"

constexpr int kShipTop = 470;
constexpr int kShipSize = 41;
constexpr int kShipLeftmost = 1;
constexpr int kShipRightmost = 770;
constexpr int kShipStepsPerTick = 4;

constexpr int kUfoWidth = 73;
constexpr int kUfoHeight = 33;
constexpr int kUfoStartX = -100;
constexpr int kUfoStartY = 70;
constexpr int kUfoStep = 3;
constexpr int kUfoZigzag = 6;
constexpr int kUfoGoneX = 850;
constexpr int kUfoChance = 1000;  // one march tick in this many
constexpr int kUfoShotBelowY = 119;

constexpr int kShotStep = 4;
constexpr int kShotLength = 7;
constexpr int kShotEndY = 90;
constexpr int kBaseShotY = 315;

constexpr int kBombSlots = 4;
constexpr float kBombGrowth = 1.05f;
constexpr int kBombGoneY = 500;
constexpr int kBombStrikeY = 320;

constexpr int kStartLives = 3;
constexpr int kMostLives = 10;
constexpr int kPulseStartMs = 1000;
constexpr int kPulseFastestMs = 50;
constexpr double kPulseFactor = 0.93;
constexpr int kMarchStartMs = 25;
constexpr int kMarchSlowestMs = 500;
constexpr int kMarchFastestMs = 2;
constexpr int kBonusTicks = 20;
constexpr int kBonusLowestY = 275;

constexpr int kLifeIconLeft = 773;
constexpr int kLifeIconTop = 5;
constexpr int kLifeIconStep = 15;

constexpr int kLetterPoints = 100;
constexpr int kBombPoints = 25;
constexpr int kPhrasePoints = 500;

}  // namespace blaster::layout
