#pragma once

// The spelling-game window: draws SpellingGame's tiles, says the wanted letter,
// takes letters from the keyboard and from its on-screen keys, and runs the
// clock, the blinking and the pauses between phrases.
#include "activities/drills/15letterbee/rules/SpellingGame.h"
#include "activities/framework/elapsed/ElapsedTime.h"
#include "activities/framework/startup/ActivityWindow.h"

#include <memory>
#include <vector>

class QLabel;
class QPushButton;

namespace platform::ui {
class Timer;
}

namespace letterbee {

// The activity's fixed parameters: kept where it is made (not centred),
// instruction window rows 9 / 10 / 2 / 3.
activity::ActivitySetup letterbeeSetup();

class frmLetterbee : public activity::ActivityWindow {
    Q_OBJECT

public:
    // random: the source the game draws its phrase order from.
    explicit frmLetterbee(RandomSource random = {}, QWidget* parent = nullptr);
    ~frmLetterbee() override;

    const SpellingGame* game() const { return game_.get(); }
    QString alphabet() const { return alphabet_; }
    // Tile k of the phrase in play; key k of the on-screen keyboard (0 is the hidden origin).
    QLabel* lblLetter(int tile) const;
    QPushButton* btnLetter(int key) const;
    int keyCount() const { return static_cast<int>(btnLetter_.size()) - 1; }
    QLabel* lblTranslation() const { return lblTranslation_; }
    QLabel* lblMsg() const { return lblMsg_; }
    QLabel* lblPhrasesleft() const { return lblPhrasesleft_; }
    QLabel* lblTimer() const { return lblTimer_; }
    QLabel* lblElapsedTime() const { return lblElapsedTime_; }
    platform::ui::Timer* Timer1() const { return Timer1_; }
    platform::ui::Timer* Timer2() const { return Timer2_; }
    platform::ui::Timer* TimerSayLetter() const { return TimerSayLetter_; }
    // The current tile shows its fill (it blinks off and on).
    bool currentTileLit() const { return tileLit_; }

protected:
    void setUpActivity() override;
    void startGame() override;

    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void createKeyboard();
    void New_Game();
    void Next_Phrase();
    void Check_Letter(const QString& letter);
    void Finish_Phrase();
    void endGame();
    void showTiles();
    void Timer1_Timer();
    void Timer2_Timer();
    void TimerSayLetter_Timer();
    // A phrase is in play and takes letters.
    bool takingLetters() const { return !ending() && game_ && dealt_ && !game_->phraseComplete(); }

    RandomSource random_;
    std::unique_ptr<SpellingGame> game_;
    QString alphabet_;
    elapsed::TimeOfDay start_;
    bool dealt_ = false;
    bool tileLit_ = true;

    std::vector<QLabel*> lblLetter_;
    std::vector<QPushButton*> btnLetter_;
    QLabel* lblTranslation_;
    QLabel* lblMsg_;
    QLabel* lblPhrasesleft_;
    QLabel* lblTimer_;
    QLabel* lblElapsedTime_;
    platform::ui::Timer* Timer1_;
    platform::ui::Timer* Timer2_;
    platform::ui::Timer* TimerSayLetter_;
};

}  // namespace letterbee
