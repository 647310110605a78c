#pragma once

#include "main/core/startup/CaptionTable.h"
#include "main/users/store/UserStoreLoader.h"
#include "main/core/startup/CaptionRows.h"

#include <QString>

// The texts the sign-in window makes from captions, the product title and names.
namespace users {

// The sign-in window's title: caption 29, a blank, the product title.
QString signInTitle(const startup::CaptionTable& captions, const QString& productTitle);

// The main window's welcome line: caption 62, the product title and the learner's
// name, separated by single blanks.
QString welcomeLine(const startup::CaptionTable& captions, const QString& productTitle,
                    const QString& userName);

// The main window's title while someone is signed in: "<product>  [<name>]".
QString signedInTitle(const QString& productTitle, const QString& userName);

// What the learner is told when the user store cannot be used (any outcome but
// Opened and Created); the program ends after it.
QString storeFailureText(const LoadResult& result, const startup::CaptionTable& captions,
                         const QString& productTitle);

}  // namespace users
