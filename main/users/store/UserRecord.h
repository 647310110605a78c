#pragma once

#include <QString>

#include <cstdint>

namespace users {

// The faces a learner can choose; face n is the icon resource 100 + n.
constexpr int kFirstFace = 1;
constexpr int kLastFace = 40;

// One tblUsers row as the sign-in list and the profile dialog use it.
struct UserRecord {
    std::int64_t studentId = 0;  // pkStudentID
    QString firstName;           // tFirstname
    QString lastName;            // tLastname
    QString password;            // tPassword as stored (a salted hash); empty: no password
    int icon = kFirstFace;       // nIcon, always kFirstFace..kLastFace here

    // First name, one blank, last name: the list item, the signed-in name and tName of scores.
    QString displayName() const;
    bool hasPassword() const { return !password.isEmpty(); }
};

// First name, one blank, last name.
QString displayName(const QString& firstName, const QString& lastName);

// A stored face number outside the faces (or none) shows as the first face.
int faceOrDefault(std::int64_t storedIcon);

}  // namespace users
