#pragma once

#include "activities/framework/windows/FrameworkDialog.h"

class QLabel;

namespace platform::ui {
class PictureButton;
}

// The start dialog of every activity: the activity's name, its instructions and
// a PLAY picture button. Pressing the picture (or its text) shows the pressed
// picture, moves the text 20 twips down and plays "CLICK"; releasing shows the
// picture at rest, moves the text back and plays "CLICK"; the click closes the
// window. The picture takes focus with Tab and Space presses it; Enter plays
// "CLICK" and closes the window as well. The caller sets every text
// before showing it; until then the labels are empty.
class frmInstructions : public activity::FrameworkDialog {
    Q_OBJECT

public:
    explicit frmInstructions(QWidget* parent = nullptr);

    void setTexts(const QString& windowCaption, const QString& buttonText, const QString& title,
                  const QString& body);

    // Modal: returns when the learner has pressed PLAY. The focus is on PLAY
    // unless a control of the window was given it before.
    void showModal();

    QLabel* lblTitle() const { return lblTitle_; }
    QLabel* lblbody() const { return lblbody_; }
    QLabel* lblButton() const { return lblButton_; }
    platform::ui::PictureButton* imgButton() const { return imgButton_; }

    // The resting top of lblButton in pixels (the label's Tag).
    int buttonRestTop() const { return buttonRestTop_; }

signals:
    // Emitted once the window is on the screen (used to time the start-up).
    void shown();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void press();
    void release();
    void layOut() override;

    QLabel* lblTitle_;
    QLabel* lblbody_;
    platform::ui::PictureButton* imgButton_;
    QLabel* lblButton_;
    int buttonRestTop_ = 0;
};
