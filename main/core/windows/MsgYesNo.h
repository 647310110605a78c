#pragma once

#include <QDialog>
#include <QPixmap>

class QLabel;
class QPushButton;

// A Yes/No window offering a web page (caption 90). The main window loads it
// hidden and never shows it.
class MsgYesNo : public QDialog {
    Q_OBJECT

public:
    explicit MsgYesNo(QWidget* parent = nullptr);

    QLabel* lblMsg() const { return lblMsg_; }
    QPushButton* btnYes() const { return btnYes_; }
    QPushButton* btnNO() const { return btnNO_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void btnYes_Click();

    QLabel* lblMsg_;
    QPushButton* btnYes_;
    QPushButton* btnNO_;
    QPixmap picture_;
};
