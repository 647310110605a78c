// Sign-in: the sign-in window loaded during start-up and shown at its end or by
// change of user, and what a successful sign-in changes on the main window.
#include "main/core/app/frmMain.h"

#include "main/core/startup/ModMain.h"
#include "main/users/windows/frmLogin.h"
#include "platform/ui/PlainLabel.h"
#include "platform/ui/ScreenCentre.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QPushButton>

using startup::modMain;

// Loads the sign-in window without showing it; its load reads the users.
bool frmMain::Load_Sign_In()
{
    SignInSetup setup{modMain.gDataDir, programDir_, modMain.gCaptions, modMain.gProductTitle, {}};
    login_ = new frmLogin(std::move(setup), *this);
    if (login_->Form_Load()) return true;
    delete login_;
    return false;
}

// The main window stays hidden until someone signs in.
void frmMain::Show_Sign_In()
{
    if (!login_) return;
    login_->show();
    login_->raise();
    login_->activateWindow();
}

void frmMain::btnChangeUser_Click()
{
    hide();
    delete login_;
    if (Load_Sign_In()) Show_Sign_In();
}

void frmMain::setAdministratorCommandsEnabled(bool enabled)
{
    btnAdmin->setEnabled(enabled);
    mAdministrator = enabled;
}

void frmMain::setPhraseMenuCaptions(const QString& edit, const QString& listen)
{
    mnuEdit->setText(edit);
    mnuListenToPhrase->setText(listen);
}

void frmMain::setWelcome(const QString& text)
{
    ticker_->showWelcome(text);
}

void frmMain::setTitle(const QString& title)
{
    setWindowTitle(title);
}

void frmMain::showSignedIn()
{
    // The first time it shows, the window takes the middle of the screen: the sign-in
    // window is still open then and would push it aside. Later it stays where it was.
    if (!placed_) platform::ui::centreOnScreen(*this);
    placed_ = true;
    show();
    raise();
    activateWindow();
    Start_Ticker();
}

// Starts the message ticker on the welcome line.
void frmMain::Start_Ticker()
{
    ticker_->start();
}

void frmMain::unloadAndEnd()
{
    Form_Unload();
}
