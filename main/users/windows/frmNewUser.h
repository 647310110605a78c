#pragma once

#include "main/core/startup/CaptionTable.h"
#include "main/users/store/ProfileForm.h"
#include "main/users/store/ProfileValidation.h"
#include "main/users/store/UserStore.h"

#include <QDialog>
#include <QPixmap>

#include <optional>
#include <vector>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

// What the profile dialog needs to know.
struct ProfileDialogSetup {
    users::ProfileMode mode = users::ProfileMode::NewUser;
    QString storePath;               // the user store the dialog writes
    startup::CaptionTable captions;  // the main program's captions
    // New user: the listed users, whose names a new user may not take.
    std::vector<users::UserRecord> listedUsers;
    // Edit: the user as listed (key, names, face, stored password hash).
    users::UserRecord user;
};

// The modal dialog in which a learner creates a profile or changes one. OK checks
// the form, saves it into the user store and closes the dialog; Cancel closes it
// and saves nothing. When editing a user who has a password, the password boxes
// stay empty under a placeholder: the stored password is kept unless a new one
// is typed, and unticking "use a password" removes it.
class frmNewUser : public QDialog {
    Q_OBJECT

public:
    explicit frmNewUser(ProfileDialogSetup setup, QWidget* parent = nullptr);

    // The saved row once OK has succeeded (firstUser: the store held no user
    // before, so this one administers).
    const std::optional<users::AddedUser>& saved() const { return saved_; }

    QLineEdit* txtFirst() const { return txtFirst_; }
    QLineEdit* txtLast() const { return txtLast_; }
    QComboBox* imageCombo1() const { return imageCombo1_; }
    QCheckBox* chkPassword() const { return chkPassword_; }
    QLabel* lblTypePass() const { return lblTypePass_; }
    QLineEdit* txtPassword() const { return txtPassword_; }
    QLabel* lblRetypePass() const { return lblRetypePass_; }
    QLineEdit* txtPassword2() const { return txtPassword2_; }
    QPushButton* btnEdit(int index) const { return index == 0 ? btnOk_ : btnCancel_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void buildControls();
    void Form_Load();
    void chkPassword_Click();
    void btnEdit_Click(int index);

    users::ProfileForm typedForm() const;
    void focusField(users::ProfileField field);
    bool save(const users::ProfileForm& form);

    ProfileDialogSetup setup_;
    std::optional<users::AddedUser> saved_;
    QPixmap picture_;

    QLabel* lblfirst_ = nullptr;
    QLineEdit* txtFirst_ = nullptr;
    QLabel* lblLast_ = nullptr;
    QLineEdit* txtLast_ = nullptr;
    QLabel* lblIcon_ = nullptr;
    QComboBox* imageCombo1_ = nullptr;
    QCheckBox* chkPassword_ = nullptr;
    QLabel* lblTypePass_ = nullptr;
    QLineEdit* txtPassword_ = nullptr;
    QLabel* lblRetypePass_ = nullptr;
    QLineEdit* txtPassword2_ = nullptr;
    QPushButton* btnOk_ = nullptr;
    QPushButton* btnCancel_ = nullptr;
};
