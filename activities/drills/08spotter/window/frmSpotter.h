#pragma once

// The listen-and-find window: draws the cards and counters of SpotterGame,
// plays the target phrases and forwards the learner's clicks.
#include "activities/drills/08spotter/rules/SpotterGame.h"
#include "activities/drills/08spotter/window/SpotterCard.h"
#include "activities/framework/startup/ActivityWindow.h"
#include "platform/ui/ControlArray.h"

#include <QLabel>
#include <QPixmap>
#include <QPushButton>

#include <array>
#include <memory>

namespace spotter {

// The activity's fixed parameters: centred after the captions, instruction
// window rows 10 / 9 / 2 / 3.
activity::ActivitySetup spotterSetup();

class frmSpotter : public activity::ActivityWindow {
    Q_OBJECT

public:
    // random: the source the game draws from for its whole run.
    explicit frmSpotter(RandomSource random = {}, QWidget* parent = nullptr);
    ~frmSpotter() override;

    // The game; none before the study list is read.
    const SpotterGame* game() const { return game_.get(); }

    // Card index, or nullptr when there is none.
    SpotterCard* lblPhrase(int index) const { return lblPhrase_[index]; }
    QLabel* lblCaption(int index) const { return lblCaption_.at(static_cast<std::size_t>(index)); }
    QLabel* lblWrong() const { return lblWrong_; }
    QLabel* lblRight() const { return lblRight_; }
    QLabel* lblPercentage() const { return lblPercentage_; }
    QPushButton* btnHearAgain() const { return btnHearAgain_; }

protected:
    void afterStudyList() override;
    void setUpActivity() override;
    void startGame() override;

    void paintEvent(QPaintEvent* event) override;

private:
    void createControls();
    void Deal_Choices();
    void Next_Target();
    void End_Game();
    void lblPhrase_Click(int index);
    void btnHearAgain_Click();
    void playTarget();
    void showCounts();

    RandomSource random_;
    std::unique_ptr<SpotterGame> game_;

    platform::ui::ControlArray<SpotterCard> lblPhrase_;
    std::array<QLabel*, 3> lblCaption_;
    QLabel* lblWrong_;
    QLabel* lblRight_;
    QLabel* lblPercentage_;
    QPushButton* btnHearAgain_;
    QPixmap background_;
};

}  // namespace spotter
