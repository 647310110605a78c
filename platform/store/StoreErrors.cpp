#include "platform/store/StoreErrors.h"

#include <sqlite3.h>

namespace platform {

QString storeErrorName(StoreError code)
{
    switch (code) {
    case StoreError::Busy: return QStringLiteral("busy");
    case StoreError::NotADatabase: return QStringLiteral("not a database");
    case StoreError::ReadOnly: return QStringLiteral("read-only");
    case StoreError::CannotOpen: return QStringLiteral("cannot open");
    case StoreError::IO: return QStringLiteral("disk error");
    case StoreError::Constraint: return QStringLiteral("constraint");
    case StoreError::Other: break;
    }
    return QStringLiteral("error");
}

StoreException::StoreException(StoreError code, const QString& message)
    : std::runtime_error(message.toStdString()), code_(code)
{
}

namespace detail {

StoreError storeErrorFromCode(int extendedCode)
{
    switch (extendedCode & 0xff) {
    case SQLITE_BUSY:
    case SQLITE_LOCKED: return StoreError::Busy;
    // A damaged file is as unusable as one that never was a store: both are set
    // aside by the callers, never deleted.
    case SQLITE_NOTADB:
    case SQLITE_CORRUPT: return StoreError::NotADatabase;
    case SQLITE_READONLY: return StoreError::ReadOnly;
    case SQLITE_CANTOPEN:
    case SQLITE_PERM:
    case SQLITE_AUTH: return StoreError::CannotOpen;
    case SQLITE_IOERR:
    case SQLITE_FULL: return StoreError::IO;
    case SQLITE_CONSTRAINT: return StoreError::Constraint;
    default: return StoreError::Other;
    }
}

namespace {

QString hintFor(StoreError code)
{
    switch (code) {
    case StoreError::Busy: return QStringLiteral(" (another program is using the store; try again in a moment)");
    case StoreError::ReadOnly: return QStringLiteral(" (the file or its folder cannot be written)");
    case StoreError::NotADatabase: return QStringLiteral(" (the file is not a readable store)");
    case StoreError::IO: return QStringLiteral(" (the disk could not be read or written)");
    default: return {};
    }
}

}  // namespace

void throwStoreError(sqlite3* db, int resultCode, const QString& action, const QString& path)
{
    const int extended = db ? sqlite3_extended_errcode(db) : resultCode;
    // The connection's code can be stale when the failing call set none of its own.
    const int code = (extended & 0xff) == (resultCode & 0xff) ? extended : resultCode;
    const QString reason = db ? QString::fromUtf8(sqlite3_errmsg(db))
                              : QString::fromUtf8(sqlite3_errstr(resultCode));
    const StoreError kind = storeErrorFromCode(code);
    throw StoreException(kind, QStringLiteral("%1 \"%2\": %3%4").arg(action, path, reason, hintFor(kind)));
}

}  // namespace detail
}  // namespace platform
