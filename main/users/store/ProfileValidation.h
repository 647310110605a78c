#pragma once

#include "main/core/startup/CaptionRows.h"
#include "main/users/store/ProfileForm.h"
#include "main/users/store/UserRecord.h"

#include <vector>

namespace users {

enum class ProfileField { None, FirstName, LastName, Password, Password2 };

// The dialog's answer to OK: either save, or move the focus and/or show a caption.
struct ProfileVerdict {
    bool accepted = false;
    ProfileField focus = ProfileField::None;
    caption::Row caption = caption::None;  // the text to show, if any

    bool operator==(const ProfileVerdict&) const = default;
};

// Checks in the order the dialog asks for: first name, last name, then (with a new
// password) both password boxes and that they agree exactly, then, for a new
// user only, that no listed user has the same name ignoring letter case.
ProfileVerdict validateProfile(const ProfileForm& form, ProfileMode mode,
                               const std::vector<UserRecord>& listedUsers);

}  // namespace users
