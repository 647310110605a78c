#include "activities/arcade/09blaster/rules/BlasterGame.h"

#include "activities/arcade/09blaster/rules/BlasterLayout.h"
#include "activities/arcade/09blaster/rules/Prizes.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <utility>

namespace blaster {

using namespace layout;

namespace {

// A drawing position: the nearest pixel, halves to even.
int px(float value) { return static_cast<int>(std::nearbyint(value)); }

const QString kStar = QStringLiteral("*");
const QString kShot = QStringLiteral(".");

}  // namespace

BlasterGame::BlasterGame(std::vector<QString> upperPhrases, BlasterPictures pictures, platform::RandomSource random)
    : phrases_(std::move(upperPhrases)), played_(phrases_.size(), false), pictures_(std::move(pictures)),
      random_(std::move(random))
{
    if (pictures_.background.width > 0)
        raster_.setBackground(pictures_.background);
    for (int& base : baseSprites_)
        base = raster_.addSprite(true);
    ufoSprite_ = raster_.addSprite(false);
    shipSprite_ = raster_.addSprite(false);
    firstInvaderSprite_ = raster_.spriteCount();
    raster_.sprite(ufoSprite_).mask = &pictures_.ufo;
    raster_.sprite(shipSprite_).mask = &pictures_.ship;
    for (int i = 0; i < 5; ++i) {
        Sprite& base = raster_.sprite(baseSprites_[i]);
        base.x = kBaseLefts[i];
        base.y = kBaseTop;
    }
}

void BlasterGame::sound(BlasterSound which) { events_.push_back({BlasterEvent::Kind::Sound, which, 0, 0}); }

std::vector<BlasterEvent> BlasterGame::takeEvents() { return std::exchange(events_, {}); }

// ---- rounds ----

void BlasterGame::startGame()
{
    bombs_ = {};
    shotFlying_ = false;
    shipLeft_ = kShipLeftmost;
    shipDirection_ = 0;
    raster_.sprite(shipSprite_).visible = true;
    lives_ = kStartLives;
    level_ = 1;
    score_ = 0;
    won_ = false;
    marchMs_ = kMarchStartMs;
    phrasesLeft_ = static_cast<int>(phrases_.size());
    std::fill(played_.begin(), played_.end(), false);
    raster_.clearDrawings();
    syncShip();
    newRound();
    sound(BlasterSound::Start);
}

void BlasterGame::nextPhrase()
{
    if (phase_ != BlasterPhase::PhraseComplete)
        return;
    if (phrasesLeft_ > 0)
        newRound();
    else
        endGame(true);
}

void BlasterGame::endGame(bool won)
{
    if (phase_ == BlasterPhase::Over)
        return;
    phase_ = BlasterPhase::Over;
    won_ = won;
    endShot();
}

void BlasterGame::newRound()
{
    if (phrasesLeft_ <= 0) {
        endGame(true);
        return;
    }
    // A phrase is drawn among those not yet played.
    current_ = platform::drawUndealt(random_, played_);
    --phrasesLeft_;

    letters_ = PhraseLetters(phrases_[std::size_t(current_)]);
    nextLetter_ = 0;
    const int count = letters_.invaderCount();
    invaders_.assign(std::size_t(count), Invader{});
    const std::vector<int> places = platform::drawPlaces(random_, count);
    for (int i = 0; i < count; ++i) {
        Invader& invader = invaders_[std::size_t(places[std::size_t(i)])];
        invader.letterIndex = i < letters_.count() ? i : -1;
        invader.caption = i < letters_.count() ? letters_.letter(i) : kStar;
    }
    raster_.dropSpritesFrom(firstInvaderSprite_);
    for (int i = 0; i < count; ++i)
        raster_.addSprite(false);

    dx_ = 1.0f;
    edge_ = false;
    phase_ = BlasterPhase::Playing;
    buildFormation();
    skipBlankLetters();
}

void BlasterGame::buildFormation()
{
    raster_.clearDrawings();
    bonus_.visible = false;
    bonusCountdown_ = 0;
    raster_.sprite(shipSprite_).visible = true;
    const int top = std::min(kTopPerLevel * level_ + kTopOffset, kLowestTop);
    pulseMs_ = kPulseStartMs;
    bombs_ = {};
    dy_ = 0.0f;
    lowState_ = 0;
    const int rows = static_cast<int>(invaders_.size()) / kInvadersPerRow;
    for (int row = 1; row <= rows; ++row)
        for (int column = 1; column <= kInvadersPerRow; ++column) {
            Invader& invader = invaders_[std::size_t(kInvadersPerRow * (row - 1) + column - 1)];
            invader.x = float(kColumnStep * column + kColumnOffset);
            invader.y = float(kRowStep * row + top);
            invader.destroyed = false;
        }
    const Mask& base = pictures_.bases[std::size_t(std::clamp(level_, 1, kBasePictures) - 1)];
    for (int sprite : baseSprites_) {
        raster_.sprite(sprite).mask = &base;
        raster_.sprite(sprite).visible = true;
    }
    syncShip();
    syncSprites();
}

// A letter whose glyph shows no pixel can never be hit: it counts as shot at once.
void BlasterGame::skipBlankLetters()
{
    while (playing() && nextLetter_ < letters_.count()
           && pictures_.letter(letters_.letter(nextLetter_), true).blank()
           && pictures_.letter(letters_.letter(nextLetter_), false).blank()) {
        for (std::size_t i = 0; i < invaders_.size(); ++i)
            if (invaders_[i].letterIndex == nextLetter_) {
                invaders_[i].destroyed = true;
                invaders_[i].caption = kShot;
            }
        ++nextLetter_;
        if (nextLetter_ == letters_.count() && letters_.count() > 0) {
            ++level_;
            score_ += kPhrasePoints;
            phase_ = BlasterPhase::PhraseComplete;
        }
    }
    syncSprites();
}

// ---- sprites ----

const Mask& BlasterGame::letterMask(const Invader& invader) const
{
    return pictures_.letter(invader.caption, largeLetters_);
}

void BlasterGame::syncSprites()
{
    for (std::size_t i = 0; i < invaders_.size(); ++i) {
        Sprite& sprite = raster_.sprite(firstInvaderSprite_ + static_cast<int>(i));
        const Invader& invader = invaders_[i];
        sprite.mask = &letterMask(invader);
        sprite.x = px(invader.x);
        sprite.y = px(invader.y);
        sprite.visible = !invader.destroyed;
    }
    Sprite& ufo = raster_.sprite(ufoSprite_);
    ufo.x = ufo_.x;
    ufo.y = ufo_.y;
    ufo.visible = ufo_.active;
}

void BlasterGame::syncShip()
{
    Sprite& ship = raster_.sprite(shipSprite_);
    ship.x = shipLeft_;
    ship.y = kShipTop;
}

void BlasterGame::pulse()
{
    if (!playing())
        return;
    largeLetters_ = !largeLetters_;
    syncSprites();
}

void BlasterGame::meteorTick()
{
    if (playing())
        meteor_.step(raster_, random_);
}

// ---- ship and keys ----

void BlasterGame::shipTick()
{
    if (phase_ == BlasterPhase::Over)
        return;
    for (int step = 0; step < kShipStepsPerTick; ++step)
        shipLeft_ = std::clamp(shipLeft_ + shipDirection_, kShipLeftmost, kShipRightmost);
    syncShip();
}

bool BlasterGame::pressKey(BlasterKey key, bool modifierHeld)
{
    raster_.sprite(shipSprite_).visible = true;
    const bool known = modifierHeld || key == BlasterKey::Left || key == BlasterKey::Right
                       || key == BlasterKey::Space || key == BlasterKey::Modifier;
    if (key == BlasterKey::Slower && marchMs_ < kMarchSlowestMs)
        ++marchMs_;
    if (key == BlasterKey::Faster && marchMs_ > kMarchFastestMs)
        --marchMs_;
    if (key == BlasterKey::Left && shipLeft_ > 0)
        shipDirection_ = -1;
    if (key == BlasterKey::Right && shipLeft_ < kShipRightmost)
        shipDirection_ = 1;
    if ((modifierHeld || key == BlasterKey::Modifier || key == BlasterKey::Space) && !shotFlying_ && playing())
        fire();
    return !known;
}

void BlasterGame::releaseKey(BlasterKey key)
{
    if (key == BlasterKey::Left || key == BlasterKey::Right)
        shipDirection_ = 0;
}

void BlasterGame::fire()
{
    shotX_ = shipLeft_ + 14;
    shotY_ = kShipTop + 5;
    shotFlying_ = true;
    sound(BlasterSound::Fire);
}

// ---- the march ----

void BlasterGame::marchTick()
{
    for (int step = 0; step < 2 && playing() && shotFlying_; ++step)
        moveShot();
    if (!playing())
        return;
    if (bonusCountdown_ > 0 && --bonusCountdown_ == 1)
        bonus_.visible = false;
    for (int step = 0; step < 2 && playing() && shotFlying_; ++step)
        moveShot();
    if (!playing())
        return;
    marchInvaders();
    if (lowState_ >= 1)
        for (int sprite : baseSprites_)
            raster_.sprite(sprite).visible = false;
    if (lowState_ == 2) {
        endGame(false);
        return;
    }
    moveUfo();
    moveBombs();
}

void BlasterGame::marchInvaders()
{
    for (Invader& invader : invaders_)
        if (!invader.destroyed) {
            invader.x += dx_;
            if (edge_)
                invader.y += dy_;
        }
    edge_ = false;
    dy_ = 0.0f;
    for (const Invader& invader : invaders_) {
        if (invader.destroyed)
            continue;
        // Only an edge ahead turns the formation: an invader that dodged beyond
        // the edge behind it must not turn it back and forth.
        if ((dx_ > 0 && invader.x > kRightEdge) || (dx_ < 0 && invader.x < kLeftEdge))
            edge_ = true;
        if (invader.y > kBasesGoneY)
            lowState_ = std::max(lowState_, 1);
        if (invader.y > kLandedY)
            lowState_ = 2;
    }
    if (edge_) {
        quickenPulse();
        dx_ *= kTurnFactor;
        dy_ = kDropOnTurn;
    }
    dx_ = std::clamp(dx_, -kFastestStep, kFastestStep);
    syncSprites();
}

void BlasterGame::quickenPulse() { pulseMs_ = std::max(static_cast<int>(pulseMs_ * kPulseFactor), kPulseFastestMs); }

void BlasterGame::moveUfo()
{
    if (!ufo_.active) {
        ufo_.warned = false;
        if (random_.below(kUfoChance) == 1) {
            ufo_.active = true;
            ufo_.x = kUfoStartX;
            ufo_.y = kUfoStartY;
        }
        return;
    }
    if (!ufo_.warned) {
        sound(BlasterSound::UfoWarn);
        ufo_.warned = true;
    }
    ufo_.x += kUfoStep;
    ufo_.y += ufo_.verticalStep;
    if (++ufo_.counter > kUfoZigzag) {
        ufo_.counter = 0;
        ufo_.verticalStep = -ufo_.verticalStep;
    }
    if (ufo_.x > kUfoGoneX)
        ufo_.active = false;
    syncSprites();
}

// ---- the shot ----

void BlasterGame::endShot()
{
    if (shotFlying_)
        raster_.fillRect(shotX_, shotY_, shotX_ + 1, shotY_ - kShotLength, kNone);
    shotFlying_ = false;
}

void BlasterGame::moveShot()
{
    raster_.fillRect(shotX_, shotY_, shotX_ + 1, shotY_ - kShotLength, kNone);
    shotY_ -= kShotStep;
    raster_.fillRect(shotX_, shotY_, shotX_ + 1, shotY_ - kShotLength, kGreen);
    if (shotY_ < kShotEndY) {
        endShot();
        return;
    }
    const int probeY = shotY_ - 8;
    if (raster_.pixel(shotX_, probeY) == kRed || raster_.pixel(shotX_ - 1, probeY) == kRed
        || raster_.pixel(shotX_ + 1, probeY) == kRed)
        shotHitsBomb();
    if (shotFlying_ && raster_.pixel(shotX_, probeY) == kGreen && shotHits())
        endShot();
}

void BlasterGame::shotHitsBomb()
{
    const int probeY = shotY_ - 8;
    for (Bomb& bomb : bombs_) {
        if (!bomb.falling || shotX_ < bomb.x - 2 || shotX_ > bomb.x + 4 || probeY < bomb.y - 5 || probeY > bomb.y + 5)
            continue;
        raster_.fillRect(px(bomb.x), px(bomb.y), px(bomb.x) + 2, px(bomb.y) + 2, kNone);
        bomb.falling = false;
        showBonus(QStringLiteral("25"), kRed, shotX_, std::min(shotY_, kBonusLowestY));
        score_ += kBombPoints;
        sound(BlasterSound::Tic);
        endShot();
        return;
    }
}

// What a shot meets at a green pixel above its head; true when the shot ends.
bool BlasterGame::shotHits()
{
    if (shotY_ < kUfoShotBelowY && ufo_.active) {
        sound(BlasterSound::Bonus);
        const int points = ufoPoints(std::abs(ufo_.x + 32 - shotX_));
        ufo_.active = false;
        syncSprites();
        score_ += points;
        showBonus(QLatin1Char(' ') + QString::number(points), kYellow, ufo_.x, ufo_.y);
        return true;
    }
    if (shotY_ - 9 > kBaseShotY && lowState_ == 0) {
        for (int crater = 0; crater < 35; ++crater) {
            const int a = static_cast<int>(std::floor(random_.next() * 12 - 6));
            const int b = static_cast<int>(std::floor(random_.next() * 20 - 12));
            raster_.fillRect(shotX_ + a, shotY_ + b, shotX_ + a + 2, shotY_ + b + 2, kBlack);
        }
        return true;
    }
    bool ended = false;
    const float x = float(shotX_);
    const float y = float(shotY_ - 9);
    for (std::size_t i = 0; i < invaders_.size() && playing(); ++i) {
        Invader& invader = invaders_[i];
        if (invader.destroyed || x < invader.x || x > invader.x + 27 || y < invader.y || y > invader.y + 34)
            continue;
        const bool expected = nextLetter_ < letters_.count() && invader.caption == letters_.letter(nextLetter_);
        if (!expected && invader.caption != kStar) {
            invader.x += invader.dodgedLeft ? 15.0f : -15.0f;
            invader.dodgedLeft = !invader.dodgedLeft;
            syncSprites();
            sound(BlasterSound::Gobble);
            return true;
        }
        hitInvader(static_cast<int>(i));
        ended = true;
    }
    return ended;
}

void BlasterGame::hitInvader(int index)
{
    Invader& invader = invaders_[std::size_t(index)];
    invader.destroyed = true;
    if (invader.caption != kStar) {
        ++nextLetter_;
        invader.caption = kShot;
        score_ += kLetterPoints;
        sound(BlasterSound::Explode);
        raster_.paint(pictures_.explosion, px(invader.x), px(invader.y));
        events_.push_back({BlasterEvent::Kind::Explosion, BlasterSound::Explode, px(invader.x), px(invader.y)});
    } else {
        const StarPrize prize = starPrize(random_.below(5) + 1, lives_);
        if (prize.life) {
            ++lives_;
            showBonus(QStringLiteral("+1"), kYellow, px(invader.x), px(invader.y));
            sound(BlasterSound::Life);
        } else {
            score_ += prize.points;
            showBonus(QLatin1Char(' ') + QString::number(prize.points), kYellow, px(invader.x), px(invader.y));
            sound(BlasterSound::CorrectBeep);
        }
    }
    quickenPulse();
    endShot();
    if (nextLetter_ >= letters_.count()) {
        ++level_;
        score_ += kPhrasePoints;
        phase_ = BlasterPhase::PhraseComplete;
    }
    skipBlankLetters();
}

void BlasterGame::showBonus(const QString& text, Rgb colour, int x, int y)
{
    bonus_ = BonusLabel{true, text, colour, x, y};
    bonusCountdown_ = kBonusTicks;
}

// ---- bombs ----

void BlasterGame::dropBomb(Bomb& bomb)
{
    std::vector<const Invader*> live;
    for (const Invader& invader : invaders_)
        if (!invader.destroyed)
            live.push_back(&invader);
    if (live.empty())
        return;
    const Invader& from = *platform::drawFrom(random_, live);
    bomb = Bomb{true, from.x + 5, from.y + 9, 1.0f};
}

void BlasterGame::moveBombs()
{
    for (Bomb& bomb : bombs_) {
        if (!playing())
            return;
        if (!bomb.falling)
            dropBomb(bomb);
        if (!bomb.falling)
            continue;
        raster_.fillRect(px(bomb.x), px(bomb.y), px(bomb.x) + 2, px(bomb.y) + 2, kNone);
        bomb.y += bomb.speed;
        bomb.speed *= kBombGrowth;
        if (bomb.y > kBombGoneY) {
            bomb.falling = false;
            continue;
        }
        const Rgb below = raster_.pixel(px(bomb.x), px(bomb.y) + 3);
        if (bomb.y > kBombStrikeY && below != kBlack) {
            bomb.falling = false;
            if (float(shipLeft_) <= bomb.x && bomb.x <= float(shipLeft_ + 28) && bomb.y > kShipTop) {
                shipHit();
            } else {
                for (int crater = 0; crater < 150; ++crater) {
                    const int a = random_.below(14) - 7;
                    const int b = random_.below(18) - 9;
                    const int x = px(bomb.x) + a;
                    const int y = px(bomb.y) + b;
                    raster_.fillRect(x, y, x + 1, y + 1, kBlack);
                }
            }
            continue;
        }
        raster_.fillRect(px(bomb.x), px(bomb.y), px(bomb.x) + 2, px(bomb.y) + 2, kRed);
    }
}

void BlasterGame::shipHit()
{
    events_.push_back({BlasterEvent::Kind::ShipHit, BlasterSound::Explode, shipLeft_, kShipTop});
    raster_.fillRect(shipLeft_ - 15, kShipTop - 15, shipLeft_ + 60, kShipTop + 60, kNone);
    --lives_;
    raster_.sprite(shipSprite_).visible = false;
    shipLeft_ = kShipLeftmost;
    syncShip();
    if (lives_ < 1)
        endGame(false);
}

}  // namespace blaster
