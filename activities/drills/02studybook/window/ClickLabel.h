#pragma once

#include "platform/ui/PlainLabel.h"

namespace studybook {

// A plain-text label the learner clicks: it reports the press, the release,
// a click (a release over the label after a press on it) and pointer moves.
// Screen readers read its text.
class ClickLabel : public platform::ui::PlainLabel {
    Q_OBJECT

public:
    explicit ClickLabel(QWidget* parent = nullptr);

signals:
    void pressed();
    void released();
    void clicked();
    void pointerMoved();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    bool down_ = false;
};

}  // namespace studybook
