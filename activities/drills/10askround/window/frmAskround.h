#pragma once

// The written-quiz window: the quiz sheet of QuizSheet with an answer box per
// row, the special-character buttons, and the grading one row per timer tick.
#include "activities/drills/10askround/rules/QuizSheet.h"
#include "activities/framework/startup/ActivityWindow.h"
#include "platform/ui/ControlArray.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <memory>

class QFrame;

namespace platform::ui {
class Timer;
}

namespace askround {

// Centred after the study list is read; instruction window rows 10 / 11 / 2 / 3.
activity::ActivitySetup askroundSetup();

class frmAskround : public activity::ActivityWindow {
    Q_OBJECT

public:
    explicit frmAskround(QWidget* parent = nullptr);
    ~frmAskround() override;

    const QuizSheet* sheet() const { return sheet_.get(); }

    QLabel* lblQuestion(int index) const { return lblQuestion_[index]; }
    QLineEdit* TxtAnswer(int index) const { return TxtAnswer_[index]; }
    QLabel* lblAnswer(int index) const { return lblAnswer_[index]; }
    QLabel* imgCheckMark(int index) const { return imgCheckMark_[index]; }
    QPushButton* btnLetter(int index) const { return btnLetter_[index]; }
    QLabel* lblCaption(int index) const { return lblCaption_[index]; }
    QLabel* lblChars() const { return lblChars_; }
    QLabel* lblDate() const { return lblDate_; }
    QLabel* lblUsername() const { return lblUsername_; }
    QLabel* lblSubject() const { return lblSubject_; }
    QPushButton* btnCheck() const { return btnCheck_; }
    platform::ui::Timer* Timer2() const { return Timer2_; }
    int mSpecialCount() const { return specialCount_; }
    // The box that special characters go into: the one that last had the focus.
    int markedBox() const { return markedBox_; }

protected:
    void afterStudyList() override;
    void setUpActivity() override;
    void paintEvent(QPaintEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void createRow(int row);
    void Build_Special_Keys();
    void showLetterCase();

    void TxtAnswer_GotFocus(int index);
    void TxtAnswer_Enter(int index);
    void btnLetter_Click(int index);
    void btnCheck_Click();
    void Timer2_Timer();
    void finish();

    std::unique_ptr<QuizSheet> sheet_;
    int specialCount_ = 0;
    int markedBox_ = -1;
    QStringList specialCharacters_;

    QFrame* frmChars_;  // made first: it holds the special-character buttons

    platform::ui::ControlArray<QLabel> lblQuestion_;
    platform::ui::ControlArray<QLineEdit> TxtAnswer_;
    platform::ui::ControlArray<QLabel> lblAnswer_;
    platform::ui::ControlArray<QLabel> imgCheckMark_;
    platform::ui::ControlArray<QFrame> Line1_;
    platform::ui::ControlArray<QPushButton> btnLetter_;
    platform::ui::ControlArray<QLabel> lblCaption_;
    QLabel* lblChars_;
    QPushButton* btnCheck_;
    QLabel* lblDate_;
    QLabel* lblUsername_;
    QLabel* lblSubject_;
    platform::ui::Timer* Timer2_;
};

}  // namespace askround
