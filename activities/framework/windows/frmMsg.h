#pragma once

#include "activities/framework/windows/FrameworkDialog.h"

class QLabel;

namespace activity {
class ShapeButton;
}

// The one-button message window of the activities: a heading line, a second
// line, the answer in large type and the OK button. Every label starts empty;
// the caller fills what it needs (and may change font sizes), then shows it
// modally; it centres itself. It has no parent window, so an activity that
// disables its own window while the message is up leaves the message usable.
// Keys do nothing to it for its first moments on the screen (EarlyKeyGuard).
class frmMsg : public activity::FrameworkDialog {
    Q_OBJECT

public:
    explicit frmMsg(QWidget* owner = nullptr);

    QLabel* lblMsg() const { return lblMsg_; }
    QLabel* lblmsg2() const { return lblmsg2_; }
    QLabel* lblAnswer() const { return lblAnswer_; }
    activity::ShapeButton* lblOK() const { return lblOK_; }

    // Modal: centres the window and returns once OK is pressed.
    void showModal();

protected:

private:
    void layOut() override;

    QLabel* lblMsg_;
    QLabel* lblmsg2_;
    QLabel* lblAnswer_;
    activity::ShapeButton* lblOK_;
};
