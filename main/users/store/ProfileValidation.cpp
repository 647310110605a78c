#include "main/users/store/ProfileValidation.h"

#include "platform/ui/TextCase.h"

#include <algorithm>

namespace users {
namespace {

ProfileVerdict focusOn(ProfileField field) { return {false, field, caption::None}; }
ProfileVerdict refuseWith(caption::Row caption) { return {false, ProfileField::None, caption}; }

bool nameTaken(const QString& name, const std::vector<UserRecord>& listedUsers)
{
    const QString wanted = platform::ui::ucase(name);
    return std::any_of(listedUsers.begin(), listedUsers.end(), [&](const UserRecord& user) {
        return platform::ui::ucase(user.displayName()) == wanted;
    });
}

}  // namespace

ProfileVerdict validateProfile(const ProfileForm& form, ProfileMode mode,
                               const std::vector<UserRecord>& listedUsers)
{
    const QString first = form.firstName.trimmed();
    const QString last = form.lastName.trimmed();
    if (first.isEmpty()) return focusOn(ProfileField::FirstName);
    if (last.isEmpty()) return focusOn(ProfileField::LastName);
    if (form.passwordChoice == PasswordChoice::New) {
        if (form.password.trimmed().isEmpty()) return focusOn(ProfileField::Password);
        if (form.password2.trimmed().isEmpty()) return focusOn(ProfileField::Password2);
        if (form.password != form.password2) return refuseWith(caption::PasswordsDiffer);
    }
    if (mode == ProfileMode::NewUser && nameTaken(displayName(first, last), listedUsers))
        return refuseWith(caption::NameTaken);
    return {true, ProfileField::None, caption::None};
}

}  // namespace users
