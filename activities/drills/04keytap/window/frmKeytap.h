#pragma once

// The typing-drill window: draws TypingDrill's rows and forwards every key the
// key box receives and every tick of the clock to it.
#include "activities/drills/04keytap/rules/TypingDrill.h"
#include "activities/framework/startup/ActivityWindow.h"

#include <memory>
#include <vector>

class QLabel;
class QFrame;

namespace platform::ui {
class Timer;
}

namespace keytap {

// The activity's fixed parameters: centred after the captions, instruction
// window rows 9 / 10 / 2 / 3.
activity::ActivitySetup keytapSetup();

class frmKeytap : public activity::ActivityWindow {
    Q_OBJECT

public:
    explicit frmKeytap(QWidget* parent = nullptr);
    ~frmKeytap() override;

    // Lays out one row of labels per phrase and sets the texts to type.
    void Initialize();

    const TypingDrill* drill() const { return drill_.get(); }
    QLabel* lblphrase(int row) const { return labelAt(lblphrase_, row); }
    QLabel* lblrojo(int row) const { return labelAt(lblrojo_, row); }
    QLabel* lblverde(int row) const { return labelAt(lblverde_, row); }
    QFrame* Picture1() const { return Picture1_; }
    QLabel* lblWPM() const { return lblWPM_; }
    QLabel* lblWPM2() const { return lblWPM2_; }
    platform::ui::Timer* Timer1() const { return Timer1_; }

protected:
    bool afterCaptions() override;
    void setUpActivity() override;
    void startGame() override;

    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    std::vector<TypingPhrase> studyPhrases() const;
    static QLabel* labelAt(const std::vector<QLabel*>& labels, int row);

    void Picture1_KeyPress(const Keystroke& key);
    void showTyped(int row);
    void Timer1_Timer();
    void finishDrill();

    std::unique_ptr<TypingDrill> drill_;
    std::vector<QLabel*> lblphrase_;
    std::vector<QLabel*> lblrojo_;
    std::vector<QLabel*> lblverde_;
    QFrame* Picture1_;
    QLabel* lblWPM_;
    QLabel* lblWPM2_;
    platform::ui::Timer* Timer1_;
};

}  // namespace keytap
