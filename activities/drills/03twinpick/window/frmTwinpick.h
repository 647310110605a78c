#pragma once

// The pairs window: draws the cards of TwinpickGame, runs its turning, pause and
// clock timers, plays the sounds it names and forwards the learner's presses.
#include "activities/drills/03twinpick/rules/TwinpickGame.h"
#include "activities/framework/startup/ActivityWindow.h"
#include "platform/ui/PictureButton.h"
#include "platform/ui/PlainLabel.h"

#include <QLabel>
#include <QPixmap>

#include <memory>
#include <vector>

namespace platform::ui {
class Timer;
}

namespace twinpick {

// The activity's fixed parameters: centred after the captions, instruction
// window rows 7 / 8 / 2 / 3.
activity::ActivitySetup twinpickSetup();

class frmTwinpick : public activity::ActivityWindow {
    Q_OBJECT

public:
    // random: the source the game draws from for its whole run.
    explicit frmTwinpick(RandomSource random = {}, QWidget* parent = nullptr);
    ~frmTwinpick() override;

    // The game; none before the study list is read.
    const TwinpickGame* game() const { return game_.get(); }

    // Card index's face and back, or nullptr when there is no such card.
    platform::ui::PlainLabel* lblCard(int index) const;
    platform::ui::PictureButton* imgCard(int index) const;
    QLabel* lblTimer() const { return lblTimer_; }
    QLabel* lblElapsedTime() const { return lblElapsedTime_; }
    platform::ui::PictureButton* ImgSay() const { return ImgSay_; }
    platform::ui::PictureButton* ImgSpeaker() const { return ImgSpeaker_; }
    platform::ui::Timer* Timer1() const { return Timer1_; }
    platform::ui::Timer* Timer2() const { return Timer2_; }
    platform::ui::Timer* Timer4() const { return Timer4_; }

protected:
    void afterStudyList() override;
    void setUpActivity() override;
    void beforeInstructions() override;

    void paintEvent(QPaintEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void createControls();
    void createToggle(platform::ui::PictureButton* toggle, const char* name, const QRect& twips);
    void createCard(int index, const QPoint& place);

    void New_Game();
    void imgCard_MouseDown(int index);
    void Timer1_Timer();
    void Timer4_Timer();
    void Timer2_Timer();
    void toggle_Press(platform::ui::PictureButton* toggle, bool down);
    void showToggles();
    void showCard(int index);
    void showBusy(bool busy);
    void stopTimers();

    RandomSource random_;
    std::unique_ptr<TwinpickGame> game_;

    std::vector<platform::ui::PlainLabel*> lblCard_;
    std::vector<platform::ui::PictureButton*> imgCard_;
    QLabel* lblElapsedTime_;
    QLabel* lblTimer_;
    platform::ui::PictureButton* ImgSay_;
    platform::ui::PictureButton* ImgSpeaker_;
    platform::ui::Timer* Timer1_;
    platform::ui::Timer* Timer2_;
    platform::ui::Timer* Timer4_;
    QPixmap background_;
};

}  // namespace twinpick
