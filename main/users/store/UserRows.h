#pragma once

#include "main/users/store/UserRecord.h"
#include "platform/store/Store.h"

#include <vector>

// Reading tblUsers rows, shared by opening the store at sign-in and by saving.
namespace users {

// "SELECT <the user columns> FROM tblUsers", ready for a WHERE or ORDER BY.
QString userSelect();

UserRecord userFromRow(const platform::Row& row);

// Every user in key order (the first is the administrator).
std::vector<UserRecord> readUsers(const platform::Store& store);

}  // namespace users
