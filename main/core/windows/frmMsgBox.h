#pragma once

#include <QDialog>
#include <QPixmap>

class QLabel;
class QPushButton;

// The main program's one-button message window. Each use makes its own instance
// (it deletes itself when closed); the caller sets the caption, the message and
// its font size and the height, then shows it modally as a message or modeless
// as a wait box and closes it when the wait is over.
class frmMsgBox : public QDialog {
    Q_OBJECT

public:
    explicit frmMsgBox(QWidget* parent = nullptr);

    void setMessage(const QString& text);
    void setMessageFontSize(int points);
    void setHeightTwips(int twips);

    // Modal: returns when the learner has pressed OK (the window is gone then).
    void showModal();
    // Modeless: returns at once; the window stays until OK or close().
    void showModeless();

    QLabel* lblMsg() const { return lblMsg_; }
    QPushButton* btnOK() const { return btnOK_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void layOut();

    QLabel* lblMsg_;
    QPushButton* btnOK_;
    QPixmap picture_;
};

// Puts text into every message window that is showing (the wait box of a load
// shows each name as it loads).
void setShownMessageWindowsText(const QString& text);
