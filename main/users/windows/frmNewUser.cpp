#include "main/users/windows/frmNewUser.h"

#include "main/core/shared/TileBackground.h"
#include "main/core/windows/WindowPictures.h"
#include "main/users/windows/FaceIcons.h"
#include "main/users/windows/UserWindowKit.h"
#include "platform/ui/MessageBox.h"
#include "platform/ui/Twips.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>

#include <exception>

using namespace users;

namespace {

constexpr QSize kClientTwips(6300, 4560);
constexpr int kComboFacePixels = 40;
constexpr int kFacesPerRow = 8;
// Shown in an empty password box while the stored password is kept.
const QString kKeptPasswordPlaceholder = QStringLiteral("••••••••");

QLineEdit* makeBox(QWidget* parent, const char* name, const QRect& twips, bool password)
{
    auto* box = placeControl(new QLineEdit(parent), name, twips);
    if (password) box->setEchoMode(QLineEdit::Password);
    return box;
}

}  // namespace

frmNewUser::frmNewUser(ProfileDialogSetup setup, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      setup_(std::move(setup)),
      picture_(windowBackground())
{
    setObjectName(QStringLiteral("frmNewUser"));
    setModal(true);
    buildControls();
    Form_Load();
}

void frmNewUser::buildControls()
{
    setFixedSize(platform::ui::twipsToPixels(kClientTwips));
    applyUserWindowStyle(*this);

    lblfirst_ = makeLabel(this, "lblfirst", {300, 240, 2100, 480});
    txtFirst_ = makeBox(this, "txtFirst", {2520, 300, 3480, 360}, false);
    lblLast_ = makeLabel(this, "lblLast", {300, 780, 2100, 480});
    txtLast_ = makeBox(this, "txtLast", {2520, 840, 3480, 360}, false);
    lblIcon_ = makeLabel(this, "lblIcon", {300, 1440, 2100, 480});
    imageCombo1_ = placeControl(new QComboBox(this), "imageCombo1", {2520, 1320, 1260, 780});
    imageCombo1_->setIconSize(QSize(kComboFacePixels, kComboFacePixels));
    // The faces drop down as a grid, eight to a row.
    auto* faces = new QListView(imageCombo1_);
    faces->setViewMode(QListView::IconMode);
    faces->setFlow(QListView::LeftToRight);
    faces->setWrapping(true);
    faces->setMovement(QListView::Static);
    faces->setGridSize(QSize(kComboFacePixels + 10, kComboFacePixels + 10));
    faces->setMinimumWidth(kFacesPerRow * (kComboFacePixels + 10) + 24);
    imageCombo1_->setView(faces);
    imageCombo1_->setMaxVisibleItems((kLastFace - kFirstFace + kFacesPerRow) / kFacesPerRow + 1);
    chkPassword_ = placeControl(new QCheckBox(this), "chkPassword", {2520, 2280, 3480, 360});
    lblTypePass_ = makeLabel(this, "lblTypePass", {300, 2700, 2100, 480});
    txtPassword_ = makeBox(this, "txtPassword", {2520, 2760, 3480, 360}, true);
    lblRetypePass_ = makeLabel(this, "lblRetypePass", {300, 3180, 2100, 480});
    txtPassword2_ = makeBox(this, "txtPassword2", {2520, 3240, 3480, 360}, true);
    btnOk_ = placeControl(new QPushButton(this), "btnEdit_0", {2520, 3900, 1620, 420});
    btnCancel_ = placeControl(new QPushButton(this), "btnEdit_1", {4380, 3900, 1620, 420});
    btnOk_->setDefault(true);

    lblfirst_->setBuddy(txtFirst_);
    lblLast_->setBuddy(txtLast_);
    lblIcon_->setBuddy(imageCombo1_);
    lblTypePass_->setBuddy(txtPassword_);
    lblRetypePass_->setBuddy(txtPassword2_);

    for (QPushButton* button : {btnOk_, btnCancel_}) playClickOnPress(*button);
    connect(btnOk_, &QPushButton::clicked, this, [this] { btnEdit_Click(0); });
    connect(btnCancel_, &QPushButton::clicked, this, [this] { btnEdit_Click(1); });
    connect(chkPassword_, &QCheckBox::toggled, this, &frmNewUser::chkPassword_Click);
}

void frmNewUser::Form_Load()
{
    const startup::CaptionTable& captions = setup_.captions;
    const bool editing = setup_.mode == ProfileMode::EditUser;
    setWindowTitle(captions[editing ? caption::EditUserTitle : caption::NewUserTitle]);
    lblfirst_->setText(captions[caption::FirstName]);
    lblLast_->setText(captions[caption::LastName]);
    lblIcon_->setText(captions[caption::ChooseFace]);
    chkPassword_->setText(captions[caption::UsePassword]);
    lblTypePass_->setText(captions[caption::Password]);
    lblRetypePass_->setText(captions[caption::PasswordAgain]);
    btnOk_->setText(captions[editing ? caption::EditUser : caption::OkOrDone]);
    btnCancel_->setText(captions[caption::Cancel]);

    for (int face = kFirstFace; face <= kLastFace; ++face) {
        imageCombo1_->addItem(faceIcon(face), QString(), face);
        // The items show faces only; a screen reader still names each one.
        imageCombo1_->setItemData(face - kFirstFace, QString::number(face), Qt::AccessibleTextRole);
    }
    imageCombo1_->setCurrentIndex(0);
    chkPassword_Click();

    if (!editing) return;
    txtFirst_->setText(setup_.user.firstName);
    txtLast_->setText(setup_.user.lastName);
    imageCombo1_->setCurrentIndex(faceOrDefault(setup_.user.icon) - kFirstFace);
    if (setup_.user.hasPassword()) {
        txtPassword_->setPlaceholderText(kKeptPasswordPlaceholder);
        txtPassword2_->setPlaceholderText(kKeptPasswordPlaceholder);
        chkPassword_->setChecked(true);
    }
}

void frmNewUser::paintEvent(QPaintEvent*) { shared::TileBackground(*this, picture_); }

void frmNewUser::chkPassword_Click()
{
    const bool ticked = chkPassword_->isChecked();
    txtPassword_->clear();
    txtPassword2_->clear();
    for (QWidget* control : {static_cast<QWidget*>(txtPassword_), static_cast<QWidget*>(txtPassword2_),
                             static_cast<QWidget*>(lblTypePass_), static_cast<QWidget*>(lblRetypePass_)})
        control->setVisible(ticked);
    if (ticked) txtPassword_->setFocus();
}

ProfileForm frmNewUser::typedForm() const
{
    ProfileForm form;
    form.firstName = txtFirst_->text();
    form.lastName = txtLast_->text();
    form.icon = imageCombo1_->currentIndex() + kFirstFace;
    form.password = txtPassword_->text();
    form.password2 = txtPassword2_->text();
    if (!chkPassword_->isChecked())
        form.passwordChoice = PasswordChoice::None;
    else if (setup_.mode == ProfileMode::EditUser && setup_.user.hasPassword() &&
             form.password.isEmpty() && form.password2.isEmpty())
        form.passwordChoice = PasswordChoice::KeepStored;
    else
        form.passwordChoice = PasswordChoice::New;
    return form;
}

void frmNewUser::focusField(ProfileField field)
{
    switch (field) {
    case ProfileField::FirstName: txtFirst_->setFocus(); break;
    case ProfileField::LastName: txtLast_->setFocus(); break;
    case ProfileField::Password: txtPassword_->setFocus(); break;
    case ProfileField::Password2: txtPassword2_->setFocus(); break;
    case ProfileField::None: break;
    }
}

void frmNewUser::btnEdit_Click(int index)
{
    if (index == 1) {
        reject();
        return;
    }
    const ProfileForm form = typedForm();
    const ProfileVerdict verdict = validateProfile(form, setup_.mode, setup_.listedUsers);
    if (!verdict.accepted) {
        focusField(verdict.focus);
        if (verdict.caption != caption::None) showMessageWindow(*this, setup_.captions[verdict.caption]);
        return;
    }
    if (!save(form)) return;
    if (saved_->firstUser)
        showMessageWindow(*this, setup_.captions[caption::FirstUserAdministers], 10);
    accept();
}

// A store that cannot be written is reported and the dialog stays open with
// everything typed, so the learner can try again.
bool frmNewUser::save(const ProfileForm& form)
{
    try {
        UserStore store(setup_.storePath);
        if (setup_.mode == ProfileMode::NewUser)
            saved_ = store.addUser(form);
        else
            saved_ = AddedUser{store.updateUser(setup_.user.studentId, form), false};
        return true;
    } catch (const std::exception& error) {
        platform::ui::showErrorBox(setup_.captions[caption::ErrorHeading], QStringLiteral("btnEdit_Click"),
                                   QString::fromUtf8(error.what()), QStringLiteral("ERROR"), this);
        return false;
    }
}
