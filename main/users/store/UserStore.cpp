#include "main/users/store/UserStore.h"

#include "main/users/store/PasswordHash.h"
#include "main/users/store/UserRows.h"
#include "platform/store/Store.h"

namespace users {
namespace {

using platform::Store;
using platform::StoreError;
using platform::StoreException;
using platform::Transaction;
using platform::TransactionKind;
using platform::Value;

// No password is kept as NULL; a hash otherwise.
Value storedPassword(const QString& hash) { return hash.isEmpty() ? Value() : Value(hash); }

// Hashed before the store is opened, so the write lock is never held meanwhile.
QString chosenHash(const ProfileForm& form)
{
    return form.passwordChoice == PasswordChoice::New ? hashPassword(form.password) : QString();
}

UserRecord readUser(const Store& store, std::int64_t studentId)
{
    const auto rows = store.query(userSelect() + QStringLiteral(" WHERE pkStudentID = ?"),
                                  {studentId});
    if (rows.empty())
        throw StoreException(StoreError::Other,
                             QStringLiteral("The user %1 is no longer in the user store \"%2\"")
                                 .arg(studentId)
                                 .arg(store.path()));
    return userFromRow(rows.front());
}

}  // namespace

UserStore::UserStore(QString path) : path_(std::move(path)) {}

std::vector<UserRecord> UserStore::listUsers() const
{
    const Store store = Store::open(path_, platform::OpenMode::ReadWrite);
    return readUsers(store);
}

AddedUser UserStore::addUser(const ProfileForm& form)
{
    const QString hash = chosenHash(form);
    Store store = Store::open(path_, platform::OpenMode::ReadWrite);
    Transaction transaction(store, TransactionKind::Immediate);
    const bool firstUser = store.query(QStringLiteral("SELECT 1 FROM tblUsers LIMIT 1")).empty();
    store.execute(QStringLiteral("INSERT INTO tblUsers (tFirstname, tLastname, tPassword, nIcon) "
                                 "VALUES (?, ?, ?, ?)"),
                  {form.firstName.trimmed(), form.lastName.trimmed(), storedPassword(hash),
                   faceOrDefault(form.icon)});
    const UserRecord added = readUser(store, store.lastInsertId());
    transaction.commit();
    return {added, firstUser};
}

UserRecord UserStore::updateUser(std::int64_t studentId, const ProfileForm& form)
{
    const bool keepPassword = form.passwordChoice == PasswordChoice::KeepStored;
    const QString hash = chosenHash(form);
    Store store = Store::open(path_, platform::OpenMode::ReadWrite);
    Transaction transaction(store, TransactionKind::Immediate);
    readUser(store, studentId);
    QString sql = QStringLiteral("UPDATE tblUsers SET tFirstname = ?, tLastname = ?, nIcon = ?");
    platform::Params params{form.firstName.trimmed(), form.lastName.trimmed(),
                            faceOrDefault(form.icon)};
    if (!keepPassword) {
        sql += QStringLiteral(", tPassword = ?");
        params.push_back(storedPassword(hash));
    }
    sql += QStringLiteral(" WHERE pkStudentID = ?");
    params.push_back(studentId);
    store.execute(sql, params);
    const UserRecord updated = readUser(store, studentId);
    transaction.commit();
    return updated;
}

}  // namespace users
