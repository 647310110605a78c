#include "main/users/store/ProfileValidation.h"

#include <gtest/gtest.h>

namespace users {
namespace {

UserRecord listed(const char* first, const char* last)
{
    UserRecord user;
    user.firstName = QString::fromUtf8(first);
    user.lastName = QString::fromUtf8(last);
    return user;
}

ProfileForm form(const char* first, const char* last, PasswordChoice choice = PasswordChoice::None,
                 const char* password = "", const char* password2 = "")
{
    ProfileForm f;
    f.firstName = QString::fromUtf8(first);
    f.lastName = QString::fromUtf8(last);
    f.passwordChoice = choice;
    f.password = QString::fromUtf8(password);
    f.password2 = QString::fromUtf8(password2);
    return f;
}

const ProfileVerdict kAccepted{true, ProfileField::None, caption::None};

ProfileVerdict focus(ProfileField field) { return {false, field, caption::None}; }
ProfileVerdict message(caption::Row caption) { return {false, ProfileField::None, caption}; }

TEST(ProfileValidation, FirstFailingCheckDecides)
{
    const std::vector<UserRecord> users{listed("Ana", "López"), listed("Zoë", "O'Neil")};
    const auto New = PasswordChoice::New;
    struct Case {
        const char* what;
        ProfileForm form;
        ProfileMode mode;
        ProfileVerdict expected;
    };
    const Case cases[] = {
        {"all fine", form("Tom", "Hall"), ProfileMode::NewUser, kAccepted},
        {"blank first name", form("  ", ""), ProfileMode::NewUser, focus(ProfileField::FirstName)},
        {"blank last name", form("Tom", " \t"), ProfileMode::NewUser, focus(ProfileField::LastName)},
        {"names before password", form("", "Hall", New, "", "x"), ProfileMode::NewUser,
         focus(ProfileField::FirstName)},
        {"blank password", form("Tom", "Hall", New, "  ", "a"), ProfileMode::NewUser,
         focus(ProfileField::Password)},
        {"blank retyped password", form("Tom", "Hall", New, "a", ""), ProfileMode::NewUser,
         focus(ProfileField::Password2)},
        {"passwords differ in case", form("Tom", "Hall", New, "abc", "ABC"), ProfileMode::NewUser,
         message(caption::PasswordsDiffer)},
        {"passwords differ in outer blanks", form("Tom", "Hall", New, "abc ", "abc"),
         ProfileMode::NewUser, message(caption::PasswordsDiffer)},
        {"passwords agree", form("Tom", "Hall", New, " abc ", " abc "), ProfileMode::NewUser,
         kAccepted},
        {"no password asked: boxes ignored", form("Tom", "Hall", PasswordChoice::None, "a", "b"),
         ProfileMode::NewUser, kAccepted},
        {"kept password: boxes ignored", form("Tom", "Hall", PasswordChoice::KeepStored),
         ProfileMode::EditUser, kAccepted},
        {"taken name ignoring case", form(" ana ", "LÓPEZ"), ProfileMode::NewUser,
         message(caption::NameTaken)},
        {"taken name with an apostrophe", form("zoë", "o'neil"), ProfileMode::NewUser,
         message(caption::NameTaken)},
        {"password mismatch before taken name", form("Ana", "López", New, "a", "b"),
         ProfileMode::NewUser, message(caption::PasswordsDiffer)},
        {"edit may take any name", form("Ana", "López"), ProfileMode::EditUser, kAccepted},
        {"names differing in a letter", form("Ana", "Lopez"), ProfileMode::NewUser, kAccepted},
    };
    for (const Case& c : cases)
        EXPECT_EQ(validateProfile(c.form, c.mode, users), c.expected) << c.what;
}

TEST(ProfileValidation, SharpSIsNotDoubleS)
{
    // Upper-casing one character at a time keeps "ß": "Strauß" and "Strauss" are two names.
    const std::vector<UserRecord> users{listed("Jo", "Strauß")};
    EXPECT_TRUE(validateProfile(form("Jo", "Strauss"), ProfileMode::NewUser, users).accepted);
    EXPECT_EQ(validateProfile(form("JO", "STRAUß"), ProfileMode::NewUser, users),
              message(caption::NameTaken));
}

}  // namespace
}  // namespace users
