#pragma once

// The invaders game's window: steps BlasterGame from its timers, forwards the
// keys, draws the game's raster with its effects, and runs the rounds' pauses
// and the end sequence.
#include "activities/arcade/09blaster/rules/BlasterGame.h"
#include "activities/arcade/09blaster/window/BlasterArt.h"
#include "activities/arcade/09blaster/window/FieldEffects.h"
#include "activities/framework/startup/ActivityWindow.h"

#include <memory>

class QColor;
class QLabel;

namespace platform::ui {
class Timer;
}

namespace blaster {

// Centred before everything else; instruction window rows 10 / 11 / 2 / 3.
activity::ActivitySetup blasterSetup();

class frmBlaster : public activity::ActivityWindow {
    Q_OBJECT

public:
    explicit frmBlaster(platform::RandomSource random = {}, QWidget* parent = nullptr);
    ~frmBlaster() override;

    const BlasterGame* game() const { return game_.get(); }
    BlasterGame* game() { return game_.get(); }
    const FieldEffects& effects() const { return effects_; }

    QLabel* lblScore() const { return lblScore_; }
    QLabel* lblTranslation() const { return lblTranslation_; }
    QLabel* lblPhrase() const { return lblPhrase_; }
    QLabel* lblBonus() const { return lblBonus_; }
    QLabel* lblWrongKey() const { return lblWrongKey_; }
    QLabel* lblGameOver() const { return lblGameOver_; }
    QLabel* lblRating() const { return lblRating_; }
    platform::ui::Timer* Timer1() const { return Timer1_; }
    platform::ui::Timer* Timer2() const { return Timer2_; }
    platform::ui::Timer* Timer3() const { return Timer3_; }
    platform::ui::Timer* Timer4() const { return Timer4_; }
    platform::ui::Timer* Timer5() const { return Timer5_; }
    platform::ui::Timer* TimerUpdate() const { return TimerUpdate_; }

protected:
    void setUpActivity() override;
    void startGame() override;

    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    QLabel* makeLabel(const char* name, int points, bool bold, const QColor& colour);

    void Timer1_Timer();
    void Timer2_Timer();
    void Timer3_Timer();
    void Timer4_Timer();
    void Timer5_Timer();
    void TimerUpdate_Timer();

    // After every step of the game: its sounds and effects, the labels, the
    // timers' pace, and a finished phrase or game.
    void afterStep();
    void playEvents();
    void showRound();
    void roundTimers(bool on);
    void Complete_Phrase();
    void End_Game();

    // A game is on and the activity is not ending.
    bool running() const { return !ending() && game_; }

    platform::RandomSource random_;
    BlasterArt art_;
    std::unique_ptr<BlasterGame> game_;
    FieldEffects effects_;
    bool completing_ = false;
    bool endShown_ = false;
    bool curtainDown_ = false;
    Rgb bonusColour_ = kYellow;
    QImage lifeIcon_;

    QLabel* lblScore_;
    QLabel* lblTranslation_;
    QLabel* lblPhrase_;
    QLabel* lblBonus_;
    QLabel* lblWrongKey_;
    QLabel* lblGameOver_;
    QLabel* lblRating_;
    platform::ui::Timer* Timer1_;
    platform::ui::Timer* Timer2_;
    platform::ui::Timer* Timer3_;
    platform::ui::Timer* Timer4_;
    platform::ui::Timer* Timer5_;
    platform::ui::Timer* TimerUpdate_;
};

}  // namespace blaster
