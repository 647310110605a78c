#pragma once

#include "main/users/store/ProfileForm.h"
#include "main/users/store/UserRecord.h"

#include <vector>

namespace users {

// Caption rows the profile dialog shows when it refuses a form.
constexpr int kCaptionPasswordsDiffer = 36;
constexpr int kCaptionNameTaken = 42;
// Shown once, when the very first user has been created: that user administers.
constexpr int kCaptionFirstUserAdministers = 43;

enum class ProfileField { None, FirstName, LastName, Password, Password2 };

// The dialog's answer to OK: either save, or move the focus and/or show a caption.
struct ProfileVerdict {
    bool accepted = false;
    ProfileField focus = ProfileField::None;
    int caption = 0;  // caption row to show; 0: no message

    bool operator==(const ProfileVerdict&) const = default;
};

// Checks in the order the dialog asks for: first name, last name, then (with a new
// password) both password boxes and that they agree exactly, then, for a new
// user only, that no listed user has the same name ignoring letter case.
ProfileVerdict validateProfile(const ProfileForm& form, ProfileMode mode,
                               const std::vector<UserRecord>& listedUsers);

}  // namespace users
