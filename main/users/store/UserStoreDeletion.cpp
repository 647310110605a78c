#include "main/users/store/UserStoreDeletion.h"

#include "platform/store/Store.h"

#include <QFile>
#include <QFileInfo>

namespace users {

namespace {

void removeFile(const QString& path)
{
    QFile file(path);
    if (file.exists() && !file.remove())
        throw platform::StoreException(platform::StoreError::IO,
                                       QStringLiteral("%1 could not be deleted: %2").arg(path, file.errorString()));
}

}  // namespace

void deleteUserStore(const QString& path, int busyMilliseconds)
{
    const QString journal = platform::Store::journalPath(path);
    if (!QFileInfo::exists(path)) {
        removeFile(journal);
        return;
    }
    // Holding the exclusive lock, no other program is in the middle of a write
    // while the files go; the lock goes with the connection.
    platform::Store store = platform::Store::open(path, platform::OpenMode::ReadWrite);
    store.setBusyTimeout(busyMilliseconds);
    try {
        store.execute(QStringLiteral("BEGIN EXCLUSIVE"));
    } catch (const platform::StoreException& error) {
        if (error.code() != platform::StoreError::Busy) throw;
        throw platform::StoreException(platform::StoreError::Busy,
                                       QStringLiteral("The list of users is in use by another program (an activity "
                                                      "saving a result), so nothing was deleted. Please close the "
                                                      "activity and try again."));
    }
    removeFile(journal);
    removeFile(path);
}

}  // namespace users
