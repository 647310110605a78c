#pragma once

// The snake game's window: the board, the translation and the phrase line
// above it, the score, the five life marks and the titles. Its movement timer
// steps SnakeGame; the window plays the sounds, holds the game after a crash
// or the last phrase, and shows the pause window.
#include "activities/arcade/12slither/rules/SnakeGame.h"
#include "activities/arcade/12slither/window/PauseForm.h"
#include "activities/arcade/12slither/window/SnakeBoard.h"
#include "activities/framework/startup/ActivityWindow.h"

#include <QLabel>
#include <QPixmap>
#include <QLineEdit>

#include <array>
#include <memory>

class QComboBox;
class QFrame;

namespace platform::ui {
class Timer;
}

namespace slither {

// Caption rows of the activity's caption table.
enum Caption {
    kTop10Caption = 4,
    kBeginCaption = 5,
    kLevelCaption = 6,
    kFirstLevelCaption = 7,  // levels 1..5 are rows 7..11
    kPauseCaption = 14,
    kGoOnCaption = 15,
    kDecoyCaption = 16,
    kCrashCaption = 17,
    kWonCaption = 18,
    kWonLineCaption = 19,
    kGameOverCaption = 20,
};

inline constexpr int kScoreRefreshMs = 500;
inline constexpr int kCrashHoldSeconds = 1;
inline constexpr int kLastPhraseHoldSeconds = 1;
inline constexpr int kFinalMessageSeconds = 2;
// The tag that keeps Escape from ending the program during the won message.
inline const QString kNoEscapeTag = QStringLiteral("Disable ESC key");

// Not centred; instruction window rows 12 / 13 / 2 / 3; the score window keeps
// its own place.
activity::ActivitySetup slitherSetup();

class frmSnake : public activity::ActivityWindow {
    Q_OBJECT

public:
    explicit frmSnake(platform::RandomSource random = {}, QWidget* parent = nullptr);
    ~frmSnake() override;

    // The movement interval and the points per character of a level 1..5; any
    // other level changes nothing.
    void Set_Speed(int level);
    // The game window's keys (the board passes its keys here too): Escape ends
    // the program at any time, P and the arrows act while the snake moves.
    void Form_KeyDown(QKeyEvent* event);

    const SnakeGame* game() const { return game_.get(); }
    SnakeBoard* picBoard() const { return picBoard_; }
    QLabel* lblTranslation() const { return lblTranslation_; }
    QLineEdit* txtPhrase() const { return txtPhrase_; }
    QLabel* lblScore() const { return lblScore_; }
    QFrame* lnLife(int index) const { return lnLife_.at(static_cast<std::size_t>(index)); }
    PauseForm* pauseForm() const { return pause_; }
    // The level list of the instruction window while it is open.
    QComboBox* cboLevel() const { return cboLevel_; }
    platform::ui::Timer* Timer1() const { return Timer1_; }
    platform::ui::Timer* Timer2() const { return Timer2_; }

protected:
    void afterStudyList() override;
    void setUpActivity() override;
    void prepareInstructions(frmInstructions& instructions) override;
    void startGame() override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void createControls();
    void New_Game();
    void Timer1_Timer();
    void Timer2_Timer();
    void Restart_After_Crash();
    void loseLife(Crash crash);
    void won();
    void pauseGame();
    void showState();
    void setLifeMark(int index, bool lost);
    void placePauseForm();
    void runPauseModal(const QString& heading, const QString& line);
    void showFinalMessage(const QString& heading, const QString& line, const QString& tag, bool atGameWindow);
    void endGame();

    platform::RandomSource random_;
    std::unique_ptr<SnakeGame> game_;
    int level_ = kDefaultLevel;

    SnakeBoard* picBoard_;
    QLabel* lblTranslation_;
    QLineEdit* txtPhrase_;
    QLabel* lblScore_;
    std::array<QLabel*, 3> lblTitle_{};
    std::array<QFrame*, kLives + 1> lnLife_{};  // 1..5
    QLabel* Image1_;
    PauseForm* pause_;
    QComboBox* cboLevel_ = nullptr;
    platform::ui::Timer* Timer1_;
    platform::ui::Timer* Timer2_;
    QPixmap background_;
};

}  // namespace slither
