#include "platform/store/Store.h"

#include "platform/store/Statement.h"
#include "platform/store/StoreErrors.h"

#include <QFileInfo>

#include <sqlite3.h>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace platform {

namespace {

// A plain path, never read as a "file:" URI whatever SQLite was built with.
QByteArray sqlitePath(const QString& path)
{
    const QByteArray utf8 = QFileInfo(path).absoluteFilePath().toUtf8();
    return utf8;
}

QString openAction() { return QStringLiteral("Cannot open store"); }

void checkOpenable(const QString& path)
{
    const QFileInfo info(path);
    if (!info.exists())
        throw StoreException(StoreError::CannotOpen,
                             QStringLiteral("%1 \"%2\": the file does not exist").arg(openAction(), path));
    if (info.isDir())
        throw StoreException(StoreError::CannotOpen,
                             QStringLiteral("%1 \"%2\": it is a folder, not a file").arg(openAction(), path));
}

// Opens an existing file; the handle is closed again when opening fails.
sqlite3* openHandle(const QString& path, int flags, int busyTimeoutMs)
{
    sqlite3* db = nullptr;
    const int rc = sqlite3_open_v2(sqlitePath(path).constData(), &db, flags, nullptr);
    if (rc != SQLITE_OK) {
        try {
            detail::throwStoreError(db, rc, openAction(), path);
        } catch (...) {
            sqlite3_close_v2(db);
            throw;
        }
    }
    sqlite3_extended_result_codes(db, 1);
    sqlite3_busy_timeout(db, busyTimeoutMs);
    return db;
}

// Reads the header now, so a file that is not a store fails on open, and a
// read-write connection rolls back what a killed writer left in its journal.
void prepareConnection(sqlite3* db, const QString& path, OpenMode mode)
{
    // A rollback journal keeps a store one file that can be copied, renamed, deleted.
    const char* sql = mode == OpenMode::ReadWrite
                          ? "PRAGMA journal_mode=DELETE; SELECT count(*) FROM sqlite_master;"
                          : "SELECT count(*) FROM sqlite_master;";
    const int rc = sqlite3_exec(db, sql, nullptr, nullptr, nullptr);
    if (rc != SQLITE_OK) detail::throwStoreError(db, rc, openAction(), path);
}

}  // namespace

Store::Store(sqlite3* db, QString path) : db_(db), path_(std::move(path)) {}

Store::Store(Store&& other) noexcept : db_(other.db_), path_(std::move(other.path_))
{
    other.db_ = nullptr;
}

Store& Store::operator=(Store&& other) noexcept
{
    if (this != &other) {
        close();
        db_ = other.db_;
        path_ = std::move(other.path_);
        other.db_ = nullptr;
    }
    return *this;
}

Store::~Store() { close(); }

Store Store::open(const QString& path, OpenMode mode, int busyTimeoutMs)
{
    checkOpenable(path);
    const int flags = mode == OpenMode::ReadOnly ? SQLITE_OPEN_READONLY : SQLITE_OPEN_READWRITE;
    Store store(openHandle(path, flags, busyTimeoutMs), path);
    prepareConnection(store.db_, path, mode);
    return store;
}

Store Store::create(const QString& path)
{
    // O_EXCL: an existing file is never taken over, even one that appears meanwhile.
    const QByteArray native = sqlitePath(path);
    const int fd = ::open(native.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0) {
        const int error = errno;
        const StoreError code = error == EROFS ? StoreError::ReadOnly : StoreError::CannotOpen;
        const QString reason = error == EEXIST ? QStringLiteral("the file already exists")
                                               : QString::fromLocal8Bit(std::strerror(error));
        throw StoreException(code, QStringLiteral("Cannot create store \"%1\": %2").arg(path, reason));
    }
    ::close(fd);
    try {
        Store store(openHandle(path, SQLITE_OPEN_READWRITE, kDefaultBusyTimeoutMs), path);
        prepareConnection(store.db_, path, OpenMode::ReadWrite);
        return store;
    } catch (...) {
        ::unlink(native.constData());
        throw;
    }
}

std::vector<Row> Store::query(const QString& sql, const Params& params) const
{
    detail::Statement statement(db_, sql, path_);
    statement.bind(params);
    return statement.allRows();
}

std::int64_t Store::execute(const QString& sql, const Params& params)
{
    detail::Statement statement(db_, sql, path_);
    statement.bind(params);
    while (statement.step()) {
    }
    return sqlite3_changes64(db_);
}

void Store::executeScript(const QString& sql)
{
    if (!db_)
        throw StoreException(StoreError::Other, QStringLiteral("The store \"%1\" is closed").arg(path_));
    const int rc = sqlite3_exec(db_, sql.toUtf8().constData(), nullptr, nullptr, nullptr);
    if (rc != SQLITE_OK) detail::throwStoreError(db_, rc, QStringLiteral("A script failed on store"), path_);
}

std::int64_t Store::lastInsertId() const { return db_ ? sqlite3_last_insert_rowid(db_) : 0; }

bool Store::inTransaction() const { return db_ && sqlite3_get_autocommit(db_) == 0; }

bool Store::isReadOnly() const { return !db_ || sqlite3_db_readonly(db_, "main") == 1; }

void Store::setBusyTimeout(int milliseconds)
{
    if (db_) sqlite3_busy_timeout(db_, milliseconds);
}

void Store::close()
{
    if (db_) sqlite3_close_v2(db_);
    db_ = nullptr;
}

}  // namespace platform
