#pragma once

#include "main/users/store/ProfileForm.h"
#include "main/users/store/UserStoreLoader.h"
#include "OutcomeName.h"

#include <QString>

// Fixtures for the user store tests: a template made with the shipped layout, a
// ready user store, and profile forms.
namespace users::testing {

// A program folder holding "Dravolin.tpl"; ends in "/".
QString makeProgramFolder(const QString& name = QStringLiteral("program"));

// A data folder holding a "Users.dat" made from a fresh template; ends in "/".
QString makeDataFolderWithStore(const QString& name = QStringLiteral("data"));

ProfileForm profile(const QString& first, const QString& last,
                    PasswordChoice choice = PasswordChoice::None, const QString& password = {});

}  // namespace users::testing
