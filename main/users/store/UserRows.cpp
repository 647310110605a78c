#include "main/users/store/UserRows.h"

namespace users {

QString userSelect()
{
    return QStringLiteral("SELECT pkStudentID, tFirstname, tLastname, tPassword, nIcon FROM tblUsers");
}

UserRecord userFromRow(const platform::Row& row)
{
    UserRecord user;
    user.studentId = row[QStringLiteral("pkStudentID")].toInt();
    user.firstName = row[QStringLiteral("tFirstname")].toText();
    user.lastName = row[QStringLiteral("tLastname")].toText();
    user.password = row[QStringLiteral("tPassword")].toText();
    user.icon = faceOrDefault(row[QStringLiteral("nIcon")].toInt());
    return user;
}

std::vector<UserRecord> readUsers(const platform::Store& store)
{
    // The key is never NULL, so no NULL placement needs stating.
    const auto rows = store.query(userSelect() + QStringLiteral(" ORDER BY pkStudentID"));
    std::vector<UserRecord> users;
    users.reserve(rows.size());
    for (const platform::Row& row : rows) users.push_back(userFromRow(row));
    return users;
}

}  // namespace users
