#pragma once

#include "main/users/store/UserRecord.h"

#include <QDate>
#include <QString>

#include <vector>

namespace users {

// The user store's file name in the data folder, and the template it is made from.
extern const QString kUserStoreName;      // "Users.dat"
extern const QString kUserTemplateName;   // "Dravolin.tpl"

enum class LoadOutcome {
    Opened,        // the store was there and was read
    Created,       // there was no store: a fresh copy of the template was made
    CannotCreate,  // there was no store and no usable copy of the template could be made
    Unreadable,    // busy, read-only, not to be opened or a disk error: left exactly as it is
    SetAside,      // not a user store: renamed aside, so the next start makes a fresh one
};

struct LoadOptions {
    QDate today;              // names a set-aside file; invalid: the current date
    int busyTimeoutMs = 5000; // how long another program's write lock is waited out
};

struct LoadResult {
    LoadOutcome outcome = LoadOutcome::Unreadable;
    QString storePath;               // data folder + "Users.dat"
    std::vector<UserRecord> users;   // key order; the first is the administrator
    QString errorText;               // what went wrong, for the failures
    QString setAsidePath;            // where the file went (SetAside only)

    bool ok() const { return outcome == LoadOutcome::Opened || outcome == LoadOutcome::Created; }
};

// Opens "Users.dat" in the data folder read-write and lists its users, first making
// it as a byte copy of the program folder's template when it is missing. A store
// that cannot be used is never deleted. Both folders end in "/".
LoadResult loadUsers(const QString& dataFolder, const QString& programFolder,
                     const LoadOptions& options = {});

}  // namespace users
