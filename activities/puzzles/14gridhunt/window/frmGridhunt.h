#pragma once

// The word-search window: the 700 letter cells, the phrase list, the clock and
// the loading panel. It draws GridhuntGame and forwards clicks and pointer
// entries on the cells to it.
#include "activities/framework/elapsed/ElapsedTime.h"
#include "activities/framework/startup/ActivityWindow.h"
#include "activities/puzzles/14gridhunt/rules/GridhuntGame.h"
#include "activities/puzzles/14gridhunt/window/HuntLabel.h"

#include <QFrame>
#include <QLabel>
#include <QPointer>

#include <array>
#include <memory>

namespace platform::ui {
class Timer;
}

namespace gridhunt {

// Caption rows of the activity's caption table.
enum Caption {
    kLoadingCaption = 4,
    kNothingFitsCaption = 5,
    kTop10Caption = 6,
    kBeginCaption = 7,
    kTooLongCaption = 8,
};

inline constexpr int kClockIntervalMs = 1000;
inline constexpr int kListEntries = 10;

// Centred after the captions; instruction window rows 9 / 10 / 2 / 3.
activity::ActivitySetup gridhuntSetup();

class frmGridhunt : public activity::ActivityWindow {
    Q_OBJECT

public:
    explicit frmGridhunt(platform::RandomSource random = {}, QWidget* parent = nullptr);
    ~frmGridhunt() override;

    // The game; none before the grid is built.
    const GridhuntGame* game() const { return game_.get(); }

    HuntLabel* lblLetter(int cell) const { return lblLetter_.at(static_cast<std::size_t>(cell)); }
    HuntLabel* lblPhrase(int entry) const { return lblPhrase_.at(static_cast<std::size_t>(entry)); }
    QLabel* lbltimer() const { return lbltimer_; }
    QWidget* PicLoading() const { return PicLoading_; }
    platform::ui::Timer* Timer1() const { return Timer1_; }

protected:
    void setUpActivity() override;
    void beforeInstructions() override;
    void runInstructions() override;
    void startGame() override;
    void closeEvent(QCloseEvent* event) override;

private:
    void createControls();
    void createList();
    void createGrid();
    void buildGrid();

    void lblLetter_Click(int cell);
    void lblLetter_MouseMove(int cell);
    void lblPhrase_MouseDown(int entry);
    void lblPhrase_MouseUp(int entry);
    void Timer1_Timer();

    void showFound(int phrase);
    void showCells();
    void finish();

    platform::RandomSource random_;
    std::unique_ptr<GridhuntGame> game_;
    elapsed::TimeOfDay startTime_;

    // Index 0 is left empty: cells are 1..700 and list entries 1..10.
    std::array<HuntLabel*, kCells + 1> lblLetter_{};
    std::array<HuntLabel*, kListEntries + 1> lblPhrase_{};
    std::array<CellColour, kCells + 1> shownColour_{};
    QLabel* lbltimer_;
    QLabel* Label1_;
    QLabel* imgMagnifier_;
    QFrame* PicLoading_;
    QLabel* lblWait_;
    platform::ui::Timer* Timer1_;
};

}  // namespace gridhunt
