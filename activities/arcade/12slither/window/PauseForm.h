#pragma once

// The snake game's message window: a pause, a lost life, the end of the game.
// Any key but Escape closes it. Escape asks for the program's end unless
// Label2's tag is set (the final messages, which run to the score).
#include "activities/framework/windows/FrameworkDialog.h"

class QLabel;

namespace slither {

class PauseForm : public activity::FrameworkDialog {
    Q_OBJECT

public:
    explicit PauseForm(QWidget* parent = nullptr);

    // Sets both lines and Label2's tag (empty: Escape ends the program).
    void setMessage(const QString& heading, const QString& line, const QString& tag = {});

    QLabel* Label1() const { return Label1_; }
    QLabel* Label2() const { return Label2_; }
    QString label2Tag() const { return tag_; }

signals:
    // Escape while the tag is empty; the window has closed.
    void escapePressed();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void layOut() override;

private:
    QLabel* Label1_;
    QLabel* Label2_;
    QString tag_;
};

}  // namespace slither
