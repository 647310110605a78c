#pragma once

// The letter-scramble window: draws ScrambleGame and forwards the learner's drags
// of letter tiles, the countdown and the flash to it.
#include "activities/framework/startup/ActivityWindow.h"
#include "activities/puzzles/05jumbler/rules/ScrambleGame.h"
#include "activities/puzzles/05jumbler/window/ScrambleBoard.h"

#include <QPixmap>
#include <QPoint>

#include <memory>

class QLabel;

namespace platform::ui {
class Timer;
}

namespace jumbler {

// The activity's fixed parameters: centred after the captions, instruction
// window rows 13 / 12 / 2 / 3.
activity::ActivitySetup scrambleSetup();

class frmScramble : public activity::ActivityWindow {
    Q_OBJECT

public:
    // random: the source the game draws from for its whole run.
    explicit frmScramble(RandomSource random = {}, QWidget* parent = nullptr);
    ~frmScramble() override;

    // The game; none before it starts.
    const ScrambleGame* game() const { return game_.get(); }

    LetterBox* lblLetter(int index) const { return board_.lblLetter(index); }
    LetterBox* lblDrag(int index) const { return board_.lblDrag(index); }
    QLabel* lblTranslation() const { return lblTranslation_; }
    QLabel* lblTimer() const { return lblTimer_; }
    QLabel* lblPoints() const { return lblPoints_; }
    QLabel* lblCapPoints() const { return lblCapPoints_; }
    QLabel* lblCapSeconds() const { return lblCapSeconds_; }
    QLabel* lblPhrasesleft() const { return lblPhrasesleft_; }
    QLabel* lblMsg() const { return lblMsg_; }
    platform::ui::Timer* Timer1() const { return Timer1_; }
    platform::ui::Timer* Timer3() const { return Timer3_; }

protected:
    void setUpActivity() override;
    void startGame() override;

    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void createControls();
    void placeBottomControls();

    void New_Game();
    void Next_Word();
    void showBoard();
    void showCounters();
    void syncCountdown();

    void lblDrag_MouseDown(int tile, QPoint windowPoint);
    void lblDrag_MouseMove(QPoint windowPoint);
    void lblDrag_MouseUp(QPoint windowPoint);
    void cancelDrag();
    bool isOtherControlAt(QPoint windowPoint, int draggedTile) const;

    void lblLetter_DragDrop(int tile, int slot);
    void Form_DragDrop(int tile, QPoint windowPoint);
    void Check_Word_Right(std::uint64_t round);
    void Check_Word_Wrong();
    void Timer1_Timer();
    void Timer3_Timer();
    void timeUp();
    void Add_Time_Bonus();

    // A game is on and the activity is not ending.
    bool running() const { return !ending() && game_; }

    RandomSource random_;
    std::unique_ptr<ScrambleGame> game_;
    ScrambleBoard board_;
    QPixmap background_;

    // The tile being dragged, the round it belongs to and where the pointer took it.
    int dragTile_ = -1;
    std::uint64_t dragRound_ = 0;
    QPoint grabOffset_;

    QLabel* lblFrame_;
    QLabel* lblTranslation_;
    QLabel* lblPhrasesleft_;
    QLabel* lblTimer_;
    QLabel* lblPoints_;
    QLabel* lblCapPoints_;
    QLabel* lblCapSeconds_;
    QLabel* lblMsg_;
    platform::ui::Timer* Timer1_;
    platform::ui::Timer* Timer3_;
};

}  // namespace jumbler
