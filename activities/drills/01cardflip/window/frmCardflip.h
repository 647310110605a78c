#pragma once

// The flash-card window: draws the deck of CardDeck, steps its slides from two
// timers and runs the automatic mode's steps.
#include "activities/drills/01cardflip/rules/AutoMode.h"
#include "activities/drills/01cardflip/rules/CardDeck.h"
#include "activities/framework/startup/ActivityWindow.h"
#include "platform/random/RandomSource.h"

#include <QColor>

#include <memory>

class QLabel;
class QPushButton;
class QFrame;

namespace platform::ui {
class PictureButton;
class Timer;
}  // namespace platform::ui

namespace cardflip {

// Not centred; instruction window rows 13 / 14 / 2 / 7.
activity::ActivitySetup cardflipSetup();

class frmCardflip : public activity::ActivityWindow {
    Q_OBJECT

public:
    explicit frmCardflip(platform::RandomSource random = {}, QWidget* parent = nullptr);
    ~frmCardflip() override;

    const CardDeck* deck() const { return deck_.get(); }
    const AutoMode& autoMode() const { return auto_; }
    QColor backgroundColour() const { return background_; }

    QFrame* Picture1() const { return Picture1_; }
    QLabel* lblPhrase() const { return lblPhrase_; }
    QLabel* lblFrontBack() const { return lblFrontBack_; }
    QLabel* lblCounter() const { return lblCounter_; }
    platform::ui::PictureButton* btnNext() const { return btnNext_; }
    platform::ui::PictureButton* btnPrev() const { return btnPrev_; }
    QPushButton* btnSayPhrase() const { return btnSayPhrase_; }
    QPushButton* btnFrontBack() const { return btnFrontBack_; }
    QPushButton* Command1() const { return Command1_; }
    platform::ui::Timer* Timer1() const { return Timer1_; }
    platform::ui::Timer* Timer2() const { return Timer2_; }
    platform::ui::Timer* Timer4() const { return Timer4_; }

protected:
    bool afterCaptions() override;
    void setUpActivity() override;
    void paintEvent(QPaintEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void createControls();

    void btnNext_Click();
    void btnPrev_Click();
    void btnFrontBack_Click();
    void btnSayPhrase_Click();
    void Command1_Click();
    void Timer1_Timer();
    void Timer2_Timer();
    void Timer4_Timer();

    void slideTick();
    void showCard();
    void showSlideTimers();
    void showModeButtons();
    void perform(AutoAction action);

    platform::RandomSource random_;
    QColor background_;
    std::unique_ptr<CardDeck> deck_;
    AutoMode auto_;

    QFrame* Picture1_;
    QLabel* lblPhrase_;
    QLabel* lblFrontBack_;
    QLabel* lblCounter_;
    platform::ui::PictureButton* btnNext_;
    platform::ui::PictureButton* btnPrev_;
    QPushButton* btnSayPhrase_;
    QPushButton* btnFrontBack_;
    QPushButton* Command1_;
    platform::ui::Timer* Timer1_;
    platform::ui::Timer* Timer2_;
    platform::ui::Timer* Timer4_;
};

}  // namespace cardflip
