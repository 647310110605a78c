#pragma once

#include "main/core/startup/CaptionTable.h"
#include "main/core/subjects/NodeTag.h"

#include <QDialog>
#include <QPixmap>

#include <optional>

class QLabel;
class QLineEdit;
class QPushButton;

// What the phrase dialog needs to know.
struct PhraseDialogSetup {
    QString subjectsDir;             // the installed subjects folder, ending in "/"
    startup::CaptionTable captions;  // the main program's captions
    subjects::NodeTag phrase;        // the selected phrase node's tag
};

// The modal dialog in which the administrator corrects the three texts of one
// installed phrase. OK writes each non-blank box, trimmed, into the phrase's row
// of its installed subject store and closes; a failure is reported and the
// dialog stays open with what was typed. Cancel, Escape and the close box write
// nothing.
class frmEdit : public QDialog {
    Q_OBJECT

public:
    // The most characters the learner can type into a box.
    static constexpr int kMaxTyped = 65;

    explicit frmEdit(PhraseDialogSetup setup, QWidget* parent = nullptr);

    // The phrase's tag as stored, once OK has written it.
    const std::optional<subjects::NodeTag>& stored() const { return stored_; }

    QLineEdit* txtPhrase() const { return txtPhrase_; }
    QLineEdit* txtTranslation() const { return txtTranslation_; }
    QLineEdit* txtTranslation2() const { return txtTranslation2_; }
    QPushButton* btnOK() const { return btnOK_; }
    QPushButton* btnCancel() const { return btnCancel_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void buildControls();
    void Form_Load();
    void btnOK_Click();

    PhraseDialogSetup setup_;
    std::optional<subjects::NodeTag> stored_;
    QPixmap picture_;

    QLabel* lblWarning_ = nullptr;
    QLabel* lblPhrase_ = nullptr;
    QLineEdit* txtPhrase_ = nullptr;
    QLabel* lblTranslation_ = nullptr;
    QLineEdit* txtTranslation_ = nullptr;
    QLabel* Label1_ = nullptr;
    QLineEdit* txtTranslation2_ = nullptr;
    QPushButton* btnCancel_ = nullptr;
    QPushButton* btnOK_ = nullptr;
};
