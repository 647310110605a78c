#pragma once

#include "main/users/store/UserRecord.h"

#include <QString>

namespace users {

enum class ProfileMode { NewUser, EditUser };

// What the profile dialog does with the password. KeepStored is the edit of a
// user who has a password, with the box ticked and nothing typed over the
// placeholder: the stored hash stays as it is.
enum class PasswordChoice { None, KeepStored, New };

// The profile dialog's fields as typed (untrimmed).
struct ProfileForm {
    QString firstName;
    QString lastName;
    PasswordChoice passwordChoice = PasswordChoice::None;
    QString password;   // used with PasswordChoice::New
    QString password2;  // the same, typed again
    int icon = kFirstFace;
};

}  // namespace users
