#include "main/users/windows/frmLogin.h"

#include "main/core/shared/TileBackground.h"
#include "main/core/startup/ModMain.h"
#include "main/core/windows/WindowPictures.h"
#include "main/users/store/PasswordHash.h"
#include "main/users/windows/SignInTexts.h"
#include "main/users/windows/UserList.h"
#include "main/users/windows/UserWindowKit.h"
#include "main/users/windows/frmNewUser.h"
#include "platform/ui/MessageBox.h"
#include "platform/ui/PlainLabel.h"
#include "platform/ui/Twips.h"

#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <exception>

using namespace users;

namespace {

constexpr QSize kClientTwips(6600, 5400);

}  // namespace

frmLogin::frmLogin(SignInSetup setup, SignInTarget& target, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                          Qt::WindowMinimizeButtonHint),
      setup_(std::move(setup)),
      target_(target),
      picture_(windowBackground())
{
    setObjectName(QStringLiteral("frmLogin"));
    setAttribute(Qt::WA_DeleteOnClose);
    buildControls();
}

void frmLogin::buildControls()
{
    setFixedSize(platform::ui::twipsToPixels(kClientTwips));
    applyUserWindowStyle(*this);

    lblInstructions_ = makeLabel(this, "lblInstructions", {300, 180, 6000, 600});
    platform::ui::setFontPoints(lblInstructions_, 10);
    ListView1_ = placeControl(new UserList(this), "ListView1", {300, 840, 6000, 3000});
    lblPassword_ = makeLabel(this, "lblPassword", {300, 3990, 1500, 420});
    txtPassword_ = placeControl(new QLineEdit(this), "txtPassword", {1860, 4020, 2700, 360});
    txtPassword_->setEchoMode(QLineEdit::Password);
    lblPassword_->setBuddy(txtPassword_);
    btnNull_ = placeControl(new QPushButton(this), "btnNull", {5925, 4005, 375, 375});
    // Enter and Space on the focus holder sign in, as on any button.
    btnNull_->setAutoDefault(true);

    const char* names[] = {"btnLogin_0", "btnLogin_1", "btnLogin_2"};
    for (int index = 0; index < 3; ++index) {
        btnLogin_[index] = placeControl(new QPushButton(this), names[index], {300 + index * 2040, 4710, 1920, 450});
        playClickOnPress(*btnLogin_[index]);
        connect(btnLogin_[index], &QPushButton::clicked, this, [this, index] { btnLogin_Click(index); });
    }
    QWidget* const order[] = {ListView1_, txtPassword_, btnLogin_[0], btnLogin_[1], btnLogin_[2], btnNull_};
    for (std::size_t i = 1; i < std::size(order); ++i) setTabOrder(order[i - 1], order[i]);

    connect(ListView1_, &QListWidget::itemClicked, this, [this] { ListView1_Click(); });
    connect(ListView1_, &QListWidget::currentItemChanged, this, [this] { ListView1_Click(); });
    connect(ListView1_, &QListWidget::itemDoubleClicked, this, [this] {
        // The click before it emptied the password box: only a learner without
        // a password signs in at once; one with a password types it first.
        const auto user = ListView1_->selectedUser();
        if (user && !user->hasPassword()) Sign_In();
    });
    connect(btnNull_, &QPushButton::clicked, this, &frmLogin::btnNull_Click);
    connect(txtPassword_, &QLineEdit::returnPressed, this, &frmLogin::Sign_In);
}

bool frmLogin::Form_Load()
{
    try {
        loginSucceeded_ = false;
        const startup::CaptionTable& captions = setup_.captions;
        setWindowTitle(signInTitle(captions, setup_.productTitle));
        lblInstructions_->setText(captions[caption::SignInInstructions]);
        lblPassword_->setText(captions[caption::Password]);
        btnLogin_[0]->setText(captions[caption::SignIn]);
        btnLogin_[1]->setText(captions[caption::NewUser]);
        btnLogin_[2]->setText(captions[caption::EditUser]);
        btnNull_->setAccessibleName(captions[caption::SignIn]);
        if (!Load_Users()) return false;
        if (ListView1_->count() > 0) {
            ListView1_Click();
        } else {
            lblPassword_->hide();
            txtPassword_->hide();
        }
        return true;
    } catch (const std::exception& error) {
        platform::ui::showErrorBox(setup_.captions[caption::ErrorHeading], QStringLiteral("FrmLogin_Load"),
                                   QString::fromUtf8(error.what()), windowTitle());
        End_Program();
        return false;
    }
}

// Opens the user store (made from the template when missing) and lists its users.
// A store that cannot be used is left as it is (a damaged one is set aside by
// the loader), the learner is told, and the program ends.
bool frmLogin::Load_Users()
{
    const LoadResult result = loadUsers(setup_.dataDir, setup_.programDir, setup_.loadOptions);
    storePath_ = result.storePath;
    if (!result.ok()) {
        platform::ui::showMessage(storeFailureText(result, setup_.captions, setup_.productTitle),
                                  platform::ui::MessageIcon::Critical, platform::ui::MessageButtons::Ok,
                                  windowTitle());
        End_Program();
        return false;
    }
    ListView1_->setUsers(result.users);
    return true;
}

bool frmLogin::event(QEvent* event)
{
    if (event->type() == QEvent::WindowActivate) loginSucceeded_ = false;
    return QWidget::event(event);
}

void frmLogin::closeEvent(QCloseEvent* event)
{
    event->accept();
    if (!loginSucceeded_) End_Program();
}

// Ends the program once, however often the window is closed afterwards.
void frmLogin::End_Program()
{
    if (ended_) return;
    ended_ = true;
    target_.unloadAndEnd();
}

void frmLogin::paintEvent(QPaintEvent*) { shared::TileBackground(*this, picture_); }

void frmLogin::ListView1_Click()
{
    txtPassword_->clear();
    const auto user = ListView1_->selectedUser();
    const bool askPassword = user && user->hasPassword();
    lblPassword_->setVisible(askPassword);
    txtPassword_->setVisible(askPassword);
    if (!user) return;
    if (askPassword)
        txtPassword_->setFocus();
    else
        btnNull_->setFocus();
}

void frmLogin::btnNull_Click()
{
    if (ListView1_->count() > 0) Sign_In();
}

void frmLogin::btnLogin_Click(int index)
{
    switch (index) {
    case 0: Sign_In(); break;
    case 1: New_User(); break;
    case 2: Edit_User(); break;
    default: break;
    }
}

// The typed text opens the selected learner's password (ignoring outer blanks
// and letter case); otherwise the learner is told and may type again.
bool frmLogin::passwordAccepted()
{
    const auto user = ListView1_->selectedUser();
    if (user && passwordMatches(user->password, txtPassword_->text())) return true;
    showMessageWindow(*this, setup_.captions[caption::WrongPassword]);
    if (txtPassword_->isVisible()) txtPassword_->setFocus();
    return false;
}

void frmLogin::Sign_In()
{
    const auto user = ListView1_->selectedUser();
    if (!user || !passwordAccepted()) return;
    loginSucceeded_ = true;
    const QString name = user->displayName();
    startup::modMain.gUserName = name;
    const startup::CaptionTable& captions = setup_.captions;
    target_.setAdministratorCommandsEnabled(ListView1_->selectedIsAdministrator());
    target_.setPhraseMenuCaptions(captions[caption::EditPhrase], captions[caption::ListenToPhrase]);
    target_.setWelcome(welcomeLine(captions, setup_.productTitle, name));
    target_.setTitle(signedInTitle(setup_.productTitle, name));
    target_.showSignedIn();
    close();
}

void frmLogin::New_User()
{
    ProfileDialogSetup profile;
    profile.mode = ProfileMode::NewUser;
    profile.storePath = storePath_;
    profile.captions = setup_.captions;
    profile.listedUsers = ListView1_->users();
    frmNewUser dialog(std::move(profile), this);
    dialog.exec();
    if (dialog.saved()) ListView1_->addUser(dialog.saved()->user, dialog.saved()->firstUser);
    ListView1_Click();
}

// Only a learner who has typed the right password may change the profile.
void frmLogin::Edit_User()
{
    const auto user = ListView1_->selectedUser();
    if (!user || !passwordAccepted()) return;
    ProfileDialogSetup profile;
    profile.mode = ProfileMode::EditUser;
    profile.storePath = storePath_;
    profile.captions = setup_.captions;
    profile.user = *user;
    frmNewUser dialog(std::move(profile), this);
    dialog.exec();
    if (dialog.saved()) ListView1_->replaceUser(dialog.saved()->user);
    ListView1_Click();
}
