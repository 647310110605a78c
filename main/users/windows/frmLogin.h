#pragma once

#include "main/core/startup/CaptionTable.h"
#include "main/users/store/UserStoreLoader.h"
#include "main/users/windows/SignInTarget.h"

#include <QPixmap>
#include <QWidget>

#include <array>

class QLabel;
class QLineEdit;
class QPushButton;

namespace users {
class UserList;
}

// What the sign-in window needs from the main program.
struct SignInSetup {
    QString dataDir;                 // ends in "/": holds "Users.dat"
    QString programDir;              // ends in "/": holds the template "Dravolin.tpl"
    startup::CaptionTable captions;  // modMain.gCaptions
    QString productTitle;            // modMain.gProductTitle
    users::LoadOptions loadOptions;  // how long a busy store is waited for (tests shorten it)
};

// The sign-in window: the learners of the user store with their faces, a password
// box that follows the selected learner, and sign in, new user and edit user.
//
// Use from the main window:
//   auto* login = new frmLogin(setup, target);  // target: the main window's SignInTarget
//   if (!login->Form_Load()) return;            // false: the program has ended
//   login->show();                              // modeless
// The window deletes itself when it closes. A successful sign-in sets
// modMain.gUserName, tells the target what changed and closes the window;
// closing it any other way calls target.unloadAndEnd(). Change-user makes a new
// frmLogin the same way, so the users are read afresh.
class frmLogin : public QWidget {
    Q_OBJECT

public:
    frmLogin(SignInSetup setup, SignInTarget& target, QWidget* parent = nullptr);

    // Reads the users (making the user store from the template when there is
    // none) and sets the captions. A store that cannot be used is reported, then
    // the program ends through the target: false is returned and the caller
    // touches nothing more.
    bool Form_Load();

    // False while the window is loaded or activated; true once a sign-in succeeded.
    bool LoginSucceeded() const { return loginSucceeded_; }
    // The user store's path (valid after Form_Load).
    const QString& storePath() const { return storePath_; }

    users::UserList* ListView1() const { return ListView1_; }
    QLabel* lblInstructions() const { return lblInstructions_; }
    QLabel* lblPassword() const { return lblPassword_; }
    QLineEdit* txtPassword() const { return txtPassword_; }
    QPushButton* btnLogin(int index) const { return btnLogin_.at(index); }
    QPushButton* btnNull() const { return btnNull_; }

protected:
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void buildControls();
    bool Load_Users();
    void ListView1_Click();
    void btnNull_Click();
    void btnLogin_Click(int index);
    void Sign_In();
    void New_User();
    void Edit_User();
    bool passwordAccepted();
    void End_Program();

    SignInSetup setup_;
    SignInTarget& target_;
    QString storePath_;
    bool loginSucceeded_ = false;
    bool ended_ = false;
    QPixmap picture_;

    QLabel* lblInstructions_ = nullptr;
    users::UserList* ListView1_ = nullptr;
    QLabel* lblPassword_ = nullptr;
    QLineEdit* txtPassword_ = nullptr;
    std::array<QPushButton*, 3> btnLogin_{};
    QPushButton* btnNull_ = nullptr;
};
