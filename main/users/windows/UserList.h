#pragma once

#include "main/users/store/UserRecord.h"

#include <QListWidget>

#include <cstdint>
#include <optional>
#include <vector>

namespace users {

// The sign-in window's list of learners: one item per user, showing the display
// name under the user's face and keeping the user's row. Items are sorted by name
// ignoring letter case; the administrator's item is bold wherever sorting puts it.
class UserList : public QListWidget {
    Q_OBJECT

public:
    explicit UserList(QWidget* parent = nullptr);

    // Fills the list with users in key order; the first of them administers.
    void setUsers(const std::vector<UserRecord>& users);
    // Adds one user and makes its item the current one when none was.
    void addUser(const UserRecord& user, bool administrator);
    // Shows the changed row of a user already listed (same key).
    void replaceUser(const UserRecord& user);

    // The user of the current item, if there is one.
    std::optional<UserRecord> selectedUser() const;
    bool selectedIsAdministrator() const;
    // Every listed user, in the order the list shows them.
    std::vector<UserRecord> users() const;

private:
    QListWidgetItem* itemOf(std::int64_t studentId) const;
};

}  // namespace users
