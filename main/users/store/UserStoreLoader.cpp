#include "main/users/store/UserStoreLoader.h"

#include "main/users/store/SetAside.h"
#include "main/users/store/UserRows.h"
#include "main/users/store/UserStoreLayout.h"
#include "platform/files/FileCopy.h"
#include "platform/files/FileError.h"
#include "platform/files/Paths.h"
#include "platform/store/Store.h"

#include <QFile>


namespace users {

const QString kUserStoreName = QStringLiteral("Users.dat");
const QString kUserTemplateName = QStringLiteral("Dravolin.tpl");

namespace {

using platform::Store;
using platform::StoreError;
using platform::StoreException;

// The file opens as a store (or as an empty one) but is not a user store.
class NotAUserStore : public std::runtime_error {
public:
    explicit NotAUserStore(const QString& message) : std::runtime_error(message.toStdString()) {}
    QString text() const { return QString::fromUtf8(what()); }
};

// Takes the write lock for a moment and writes the header page in a transaction
// that is rolled back, so a store that could be read but not saved into (another
// program holding the lock, a read-only file or folder) shows now, not at the
// first save. The store is left exactly as it was.
void requireWritable(Store& store)
{
    if (store.isReadOnly())
        throw StoreException(StoreError::ReadOnly,
                             QStringLiteral("The user store \"%1\" is read-only").arg(store.path()));
    platform::Transaction probe(store, platform::TransactionKind::Immediate);
    const std::int64_t version = store.query(QStringLiteral("PRAGMA user_version")).front()[0].toInt();
    // A pragma takes no bound value; the number is the store's own.
    store.execute(QStringLiteral("PRAGMA user_version = %1").arg(version));
}

std::vector<UserRecord> readUserStore(const QString& path, const LoadOptions& options)
{
    Store store = Store::open(path, platform::OpenMode::ReadWrite);
    store.setBusyTimeout(options.busyTimeoutMs);
    const QString missing = missingUserLayout(store);
    if (!missing.isEmpty())
        throw NotAUserStore(QStringLiteral("The file \"%1\" is not a user store: it lacks %2")
                                .arg(path, missing));
    requireWritable(store);
    return readUsers(store);
}

struct TemplateCopy {
    bool copied = false;
    QString error;  // empty unless the copy failed
};

// Makes the store as a copy of the template. A store that appeared meanwhile
// (another program made it) is simply used.
TemplateCopy copyTemplate(const QString& templatePath, const QString& path)
{
    try {
        platform::copyFile(templatePath, path, platform::Overwrite::No);
        return {true, QString()};
    } catch (const platform::FileError& error) {
        if (error.kind() == platform::FileErrorKind::Exists) return {false, QString()};
        return {false, error.text()};
    }
}

LoadResult failure(LoadOutcome outcome, const QString& path, const QString& errorText)
{
    LoadResult result;
    result.outcome = outcome;
    result.storePath = path;
    result.errorText = errorText;
    return result;
}

LoadResult setAside(const QString& path, const QString& reason, const LoadOptions& options)
{
    const QDate day = options.today.isValid() ? options.today : QDate::currentDate();
    try {
        LoadResult result = failure(LoadOutcome::SetAside, path, reason);
        result.setAsidePath = setAsideDamagedStore(path, day);
        return result;
    } catch (const platform::FileError& error) {
        return failure(LoadOutcome::Unreadable, path, reason + QStringLiteral("\n") + error.text());
    }
}

// A file that is no user store is set aside. A fresh copy that is none means the
// template is damaged: the copy holds nothing of anyone's and goes again, so every
// start does not leave one more file behind.
LoadResult notAUserStore(const QString& path, const QString& templatePath, bool justCopied,
                         const QString& reason, const LoadOptions& options)
{
    if (!justCopied) return setAside(path, reason, options);
    QFile::remove(path);
    return failure(LoadOutcome::CannotCreate, path,
                   QStringLiteral("The template \"%1\" cannot serve as a user store: %2")
                       .arg(templatePath, reason));
}

}  // namespace

LoadResult loadUsers(const QString& dataFolder, const QString& programFolder,
                     const LoadOptions& options)
{
    const QString path = dataFolder + kUserStoreName;
    const QString templatePath = programFolder + kUserTemplateName;
    bool created = false;
    if (!platform::fileExists(path)) {
        const TemplateCopy copy = copyTemplate(templatePath, path);
        if (!copy.error.isEmpty()) return failure(LoadOutcome::CannotCreate, path, copy.error);
        created = copy.copied;
    }
    try {
        LoadResult result;
        result.users = readUserStore(path, options);
        result.outcome = created ? LoadOutcome::Created : LoadOutcome::Opened;
        result.storePath = path;
        return result;
    } catch (const NotAUserStore& error) {
        return notAUserStore(path, templatePath, created, error.text(), options);
    } catch (const StoreException& error) {
        if (error.code() == StoreError::NotADatabase)
            return notAUserStore(path, templatePath, created, error.text(), options);
        return failure(LoadOutcome::Unreadable, path, error.text());
    }
}

}  // namespace users
