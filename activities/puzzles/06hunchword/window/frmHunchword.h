#pragma once

// The letter-guessing duel's window: draws the board, keyboard, scores and
// lamps of HunchGame, runs the turn clock, the computer's flashed picks and
// the solved-phrase show.
#include "activities/framework/startup/ActivityWindow.h"
#include "activities/puzzles/06hunchword/rules/HunchGame.h"
#include "activities/puzzles/06hunchword/rules/HunchLayout.h"
#include "platform/ui/ControlArray.h"

#include <QLabel>
#include <QPixmap>
#include <QPushButton>

#include <array>
#include <memory>

namespace platform::ui {
class Timer;
}

namespace hunchword {

// Centred after the captions; instruction window rows 14 / 15 / 2 / 3.
activity::ActivitySetup hunchwordSetup();

class frmHunchword : public activity::ActivityWindow {
    Q_OBJECT

public:
    explicit frmHunchword(RandomSource random = {}, QWidget* parent = nullptr);
    ~frmHunchword() override;

    const HunchGame* game() const { return game_.get(); }
    bool busy() const { return busy_; }
    QPushButton* btnLetter(int index) const { return btnLetter_[index]; }
    QLabel* lblLetter(int index) const { return lblLetter_[index]; }
    QLabel* lblPlayer(int index) const { return lblPlayer_[index]; }
    QLabel* lblScore(int index) const { return lblScore_[index]; }
    QLabel* lblTurn() const { return lblTurn_; }
    QLabel* lblCounter() const { return lblCounter_; }
    QLabel* lblPhrasesLeft() const { return lblPhrasesLeft_; }
    QWidget* Shape1() const { return Shape1_; }
    platform::ui::Timer* Timer1() const { return Timer1_; }
    platform::ui::Timer* Timer3() const { return Timer3_; }
    platform::ui::Timer* TimerClock() const { return TimerClock_; }
    // Lamp k's colour as 0xRRGGBB.
    std::uint32_t lampColour(int lamp) const { return lamps_[static_cast<std::size_t>(lamp)]; }

protected:
    void setUpActivity() override;
    void startGame() override;
    void paintEvent(QPaintEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void createControls();
    void Build_Letter_Keyboard();
    void New_Game();
    void showDeal();
    void showTile(int index);
    void showScores();
    void showTurn();
    void enableKeys(bool enabled);

    void learnerClick(int index);
    void btnLetter_Click(int index);
    void Play_Computer_Turn();
    void scheduleComputerTurn();
    void TimerClock_Timer();
    void Timer1_Timer();
    void Timer3_Timer();
    void endGame();

    // The wait is over and the game goes on as it was: same phrase, same player.
    bool stillPlaying(int phrase, Player player) const;

    RandomSource random_;
    std::unique_ptr<HunchGame> game_;
    bool busy_ = false;
    int showTick_ = 0;
    std::array<std::uint32_t, layout::kLampCount> lamps_{};
    QPixmap background_;

    QLabel* Label1_;  // made first: the tiles and their frames lie above it
    platform::ui::ControlArray<QLabel> Shade_;
    platform::ui::ControlArray<QLabel> lblLetter_;
    platform::ui::ControlArray<QPushButton> btnLetter_;
    platform::ui::ControlArray<QLabel> lblPlayer_;
    platform::ui::ControlArray<QLabel> lblScore_;
    QWidget* Shape1_;
    QLabel* lblTurn_;
    QLabel* imgClock_;
    QLabel* lblCounter_;
    QLabel* lblPhrasesLeft_;
    platform::ui::Timer* Timer3_;
    platform::ui::Timer* TimerClock_;
    platform::ui::Timer* Timer1_;
};

}  // namespace hunchword
