#pragma once

#include "main/users/store/ProfileForm.h"
#include "main/users/store/UserRecord.h"

#include <QString>

#include <cstdint>
#include <vector>

namespace users {

struct AddedUser {
    UserRecord user;
    // The store held no user before: this one is the administrator, and the
    // dialog tells so (caption::FirstUserAdministers).
    bool firstUser = false;
};

// The learners of one user store (an existing "Users.dat"). Every call opens the
// store read-write and closes it again, since activity programs write scores
// into the same file meanwhile. Failures throw platform::StoreException.
class UserStore {
public:
    explicit UserStore(QString path);

    const QString& path() const { return path_; }

    // Every tblUsers row in key order; the first is the administrator.
    std::vector<UserRecord> listUsers() const;

    // Saves a new user: names trimmed, the password hashed when one was chosen.
    AddedUser addUser(const ProfileForm& form);

    // Saves an edited user: names trimmed; the password replaced, kept or removed as
    // chosen. Throws when the user is no longer in the store.
    UserRecord updateUser(std::int64_t studentId, const ProfileForm& form);

private:
    QString path_;
};

}  // namespace users
