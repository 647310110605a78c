#pragma once

// A plain-text label of the word search that reports the pointer: a press, a
// release, a click (press and release on it; the second press of a
// double-click does not make another click) and the pointer coming onto it.
#include "platform/ui/PlainLabel.h"

namespace gridhunt {

class HuntLabel : public platform::ui::PlainLabel {
    Q_OBJECT

public:
    explicit HuntLabel(QWidget* parent = nullptr);

signals:
    void pressed();
    void released();
    void clicked();
    void entered();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void enterEvent(QEnterEvent* event) override;

private:
    bool clickPending_ = false;
};

}  // namespace gridhunt
