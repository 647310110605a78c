#pragma once

// The listen-and-choose window: draws the game of StudybookGame and forwards
// its clicks, pointer moves and timer ticks to it.
#include "activities/drills/02studybook/rules/StudybookGame.h"
#include "activities/drills/02studybook/window/ClickLabel.h"
#include "activities/framework/startup/ActivityWindow.h"
#include "platform/ui/ControlArray.h"

#include <QLabel>
#include <QPixmap>

#include <memory>

namespace platform::ui {
class Timer;
}

namespace studybook {

// The activity's fixed parameters: centred after the study list is read, once
// its height fits the list; instruction window rows 13 / 14 / 2 / 3.
activity::ActivitySetup studybookSetup();

class frmStudybook : public activity::ActivityWindow {
    Q_OBJECT

public:
    // random: the source the game draws from for its whole run.
    explicit frmStudybook(RandomSource random = {}, QWidget* parent = nullptr);
    ~frmStudybook() override;

    // The game; none before the study list is read.
    const StudybookGame* game() const { return game_.get(); }

    ClickLabel* lblPhrase(int index) const { return lblPhrase_[index]; }
    ClickLabel* lblHearAgain() const { return lblHearAgain_; }
    QLabel* lblInstructions() const { return lblInstructions_; }
    QLabel* lblSubject() const { return lblSubject_; }
    QLabel* lblElapsedTime() const { return lblElapsedTime_; }
    QLabel* lblTimer() const { return lblTimer_; }
    QLabel* lblPhrasesLeft() const { return lblPhrasesLeft_; }
    platform::ui::Timer* timTimer() const { return timTimer_; }
    platform::ui::Timer* Timer3() const { return Timer3_; }

protected:
    void afterStudyList() override;
    void setUpActivity() override;
    void startGame() override;

    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void createControls();
    void connectChoice(int index);

    void Start_Round();
    void Timer3_Timer();
    void timTimer_Timer();
    void lblPhrase_Click(int index);
    void lblPhrase_MouseMove(int index);
    void lblPhrase_Press(int index, bool down);
    void lblHearAgain_Click();
    void lblHearAgain_Press(bool down);
    void Form_MouseMove();

    void playPhrase();
    void showWrongAnswer(const QString& rightTranslation);
    void finish();
    void showChoices();
    void showHover(const HoverChange& change);
    void showPhrasesLeft();
    void setHearAgainBold(bool bold);
    bool picksTaken() const;

    RandomSource random_;
    std::unique_ptr<StudybookGame> game_;

    platform::ui::ControlArray<ClickLabel> lblPhrase_;
    ClickLabel* lblHearAgain_;
    QLabel* lblInstructions_;
    QLabel* lblSubject_;
    QLabel* lblElapsedTime_;
    QLabel* lblTimer_;
    QLabel* lblPhrasesLeft_;
    platform::ui::Timer* timTimer_;
    platform::ui::Timer* Timer3_;
    QPixmap background_;
};

}  // namespace studybook
