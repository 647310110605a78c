#pragma once

// The gunfight window: draws PopperGame in the desert, runs its four timers,
// forwards the learner's keys, plays the game's sounds, and ends with the
// message and the learner's points stored.
#include "activities/arcade/13popper/rules/PopperGame.h"
#include "activities/framework/startup/ActivityWindow.h"

#include <memory>

class QLabel;

namespace platform::ui {
class Timer;
}

namespace popper {

class DesertView;

// The activity's fixed parameters: not centred, instruction window rows
// 12 / 13 / 2 / 3, and the older-version message names the game.
activity::ActivitySetup popperSetup();

class frmPopper : public activity::ActivityWindow {
    Q_OBJECT

public:
    // random: the source the game draws from for its whole run.
    explicit frmPopper(platform::RandomSource random = {}, QWidget* parent = nullptr);
    ~frmPopper() override;

    // The game; none before it starts.
    PopperGame* game() const { return game_.get(); }

    DesertView* picDesert() const { return picDesert_; }
    QLabel* lblTranslation() const { return lblTranslation_; }
    QLabel* lblPhrase() const { return lblPhrase_; }
    QLabel* lblPlayer1() const { return lblPlayer1_; }
    QLabel* lblPlayer2() const { return lblPlayer2_; }
    QLabel* lblScore(int index) const { return lblScore_[index]; }
    platform::ui::Timer* Timer1() const { return Timer1_; }
    platform::ui::Timer* tmrMouseCntl() const { return tmrMouseCntl_; }
    platform::ui::Timer* TimerComputerPlayer() const { return TimerComputerPlayer_; }
    platform::ui::Timer* TimerRemoveLabels() const { return TimerRemoveLabels_; }

protected:
    void startGame() override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void createControls();
    void Timer1_Timer();
    void tmrMouseCntl_Timer();
    void TimerComputerPlayer_Timer();
    void TimerRemoveLabels_Timer();
    // Plays the game's sounds, shows its state and sets the timers it asks for.
    void showGame();
    void learnerShot();
    void lastPhraseDone();
    void endGame(const QString& answer);
    void stopTimers();

    platform::RandomSource random_;
    std::unique_ptr<PopperGame> game_;
    int layoutsSeen_ = 0;
    bool ended_ = false;

    DesertView* picDesert_;
    QLabel* lblTranslation_;
    QLabel* lblPhrase_;
    QLabel* lblPlayer1_;
    QLabel* lblPlayer2_;
    QLabel* lblScore_[2];
    platform::ui::Timer* Timer1_;
    platform::ui::Timer* tmrMouseCntl_;
    platform::ui::Timer* TimerComputerPlayer_;
    platform::ui::Timer* TimerRemoveLabels_;
};

}  // namespace popper
