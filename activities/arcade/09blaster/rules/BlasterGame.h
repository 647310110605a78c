#pragma once

#include "activities/arcade/09blaster/rules/Meteor.h"
#include "activities/arcade/09blaster/rules/PhraseLetters.h"
#include "activities/arcade/09blaster/rules/Raster.h"
#include "platform/random/RandomSource.h"

#include <QString>

#include <array>
#include <cstdint>
#include <functional>
#include <vector>

namespace blaster {

// The pictures the game composites into its raster: the window's rendered ones,
// or small synthetic ones in tests.
struct BlasterPictures {
    Mask background;  // the window's picture, Raster::kWidth x kHeight; black when empty
    // An invader's caption in the large (pulse on) or small letters.
    std::function<const Mask&(const QString& caption, bool large)> letter;
    std::array<Mask, 10> bases;  // by level, 1 to 10
    Mask ship;
    Mask ufo;
    Mask explosion;  // what stays drawn where an invader exploded
};

enum class BlasterSound { Start, Fire, Tic, Bonus, Life, CorrectBeep, Explode, Gobble, UfoWarn };

// What happened during a step, for the window to play and animate.
struct BlasterEvent {
    enum class Kind {
        Sound,      // play `sound` without waiting
        Explosion,  // an invader exploded at (x, y)
        ShipHit,    // a bomb struck the ship at (x, y): the explosion plays, the game waits
    };
    Kind kind = Kind::Sound;
    BlasterSound sound = BlasterSound::Start;
    int x = 0;
    int y = 0;
};

// The keys the game knows.
enum class BlasterKey { Left, Right, Space, Slower, Faster, Modifier, Other };

enum class BlasterPhase {
    Waiting,         // before the first round
    Playing,
    PhraseComplete,  // the last letter fell: the window pauses, plays the phrase, calls nextPhrase
    Over,            // the game has ended; nothing moves any more
};

struct Invader {
    float x = 0;
    float y = 0;
    bool destroyed = false;
    QString caption;      // a letter, "*", or "." once shot
    int letterIndex = -1; // the letter it was dealt, -1 for a star
    bool dodgedLeft = false;  // its next dodge goes right
};

struct Bomb {
    bool falling = false;
    float x = 0;
    float y = 0;
    float speed = 0;
};

struct Ufo {
    bool active = false;
    bool warned = false;
    int x = 0;
    int y = 0;
    int verticalStep = 1;
    int counter = 0;
};

struct BonusLabel {
    bool visible = false;
    QString text;
    Rgb colour = kYellow;
    int x = 0;
    int y = 0;
};

// The invaders game: the rounds, the formation's march, the ship, the shot, the
// bombs, the UFO and every hit rule, on the raster it owns. The window steps it
// from its timers and draws its state.
class BlasterGame {
public:
    // upperPhrases: the study list's phrases, upper-cased one character at a time.
    BlasterGame(std::vector<QString> upperPhrases, BlasterPictures pictures, platform::RandomSource random);
    // The raster points into the game's own pictures.
    BlasterGame(const BlasterGame&) = delete;
    BlasterGame& operator=(const BlasterGame&) = delete;

    // Resets everything and deals the first round.
    void startGame();
    // After PhraseComplete: the next round, or the won end when no phrase is left.
    void nextPhrase();
    // Ends the game once; later calls change nothing.
    void endGame(bool won);

    // One march tick: the shot, the formation, the UFO, then the bombs.
    void marchTick();
    // The invaders' pulse: their letters grow and shrink.
    void pulse();
    // One step of the meteor.
    void meteorTick();
    // One ship tick: four steps in its direction.
    void shipTick();

    // A key press; true when the window shows its key help afterwards.
    bool pressKey(BlasterKey key, bool modifierHeld);
    // Releasing an arrow stops the ship.
    void releaseKey(BlasterKey key);

    std::vector<BlasterEvent> takeEvents();

    // State for the window (and tests).
    BlasterPhase phase() const { return phase_; }
    bool won() const { return won_; }
    std::int64_t score() const { return score_; }
    int lives() const { return lives_; }
    int level() const { return level_; }
    int phrasesLeft() const { return phrasesLeft_; }
    int currentPhrase() const { return current_; }  // study list slot, 0-based
    bool played(int slot) const { return played_[std::size_t(slot)]; }
    const PhraseLetters& letters() const { return letters_; }
    int nextLetter() const { return nextLetter_; }
    QString shownPhrase() const { return letters_.shownAfter(nextLetter_); }
    const std::vector<Invader>& invaders() const { return invaders_; }
    int invaderSprite(int index) const { return firstInvaderSprite_ + index; }
    bool largeLetters() const { return largeLetters_; }
    int lowState() const { return lowState_; }
    float stepX() const { return dx_; }
    int pulseIntervalMs() const { return pulseMs_; }
    int marchIntervalMs() const { return marchMs_; }
    int shipLeft() const { return shipLeft_; }
    int shipDirection() const { return shipDirection_; }
    bool shipVisible() const { return raster_.sprite(shipSprite_).visible; }
    bool shotInFlight() const { return shotFlying_; }
    int shotX() const { return shotX_; }
    int shotY() const { return shotY_; }
    const std::array<Bomb, 4>& bombs() const { return bombs_; }
    const Ufo& ufo() const { return ufo_; }
    const BonusLabel& bonus() const { return bonus_; }
    const Raster& raster() const { return raster_; }

    // For tests: reach into the play to set up a situation.
    Raster& raster() { return raster_; }
    std::vector<Invader>& invaders() { return invaders_; }
    std::array<Bomb, 4>& bombs() { return bombs_; }
    Ufo& ufo() { return ufo_; }
    void placeShip(int left) { shipLeft_ = left; syncShip(); }
    void setLives(int lives) { lives_ = lives; }
    void setStepX(float dx) { dx_ = dx; }
    // Places every invader's and the UFO's sprite where the state says.
    void syncSprites();

private:
    bool playing() const { return phase_ == BlasterPhase::Playing; }
    void newRound();
    void buildFormation();
    void moveShot();
    void endShot();
    void shotHitsBomb();
    bool shotHits();
    void hitInvader(int index);
    void skipBlankLetters();
    void marchInvaders();
    void moveUfo();
    void moveBombs();
    void dropBomb(Bomb& bomb);
    void shipHit();
    void quickenPulse();
    void showBonus(const QString& text, Rgb colour, int x, int y);
    void fire();
    void syncShip();
    void sound(BlasterSound which);
    const Mask& letterMask(const Invader& invader) const;

    std::vector<QString> phrases_;
    std::vector<bool> played_;
    BlasterPictures pictures_;
    platform::RandomSource random_;
    Raster raster_;
    Meteor meteor_;
    std::vector<BlasterEvent> events_;

    BlasterPhase phase_ = BlasterPhase::Waiting;
    bool won_ = false;
    std::int64_t score_ = 0;
    int lives_ = 0;
    int level_ = 1;
    int phrasesLeft_ = 0;
    int current_ = -1;
    PhraseLetters letters_{QString()};
    int nextLetter_ = 0;

    std::vector<Invader> invaders_;
    float dx_ = 1.0f;
    float dy_ = 0.0f;
    bool edge_ = false;
    int lowState_ = 0;
    bool largeLetters_ = true;
    int pulseMs_ = 0;
    int marchMs_ = 0;

    int shipLeft_ = 1;
    int shipDirection_ = 0;
    bool shotFlying_ = false;
    int shotX_ = 0;
    int shotY_ = 0;
    std::array<Bomb, 4> bombs_{};
    Ufo ufo_;
    BonusLabel bonus_;
    int bonusCountdown_ = 0;

    int baseSprites_[5] = {};
    int shipSprite_ = 0;
    int ufoSprite_ = 0;
    int firstInvaderSprite_ = 0;
};

}  // namespace blaster
