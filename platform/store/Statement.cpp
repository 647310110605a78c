#include "platform/store/Statement.h"

#include "platform/store/StoreErrors.h"

#include <sqlite3.h>

namespace platform::detail {

namespace {

// A zero-length text or blob needs a non-null pointer, or SQLite stores NULL.
const char kEmpty[] = "";

int bindValue(sqlite3_stmt* stmt, int index, const Value& value)
{
    if (value.isNull()) return sqlite3_bind_null(stmt, index);
    if (value.isInteger()) return sqlite3_bind_int64(stmt, index, value.toInt());
    if (value.isReal()) return sqlite3_bind_double(stmt, index, value.toReal());
    if (value.isText()) {
        const QByteArray utf8 = value.toText().toUtf8();
        return sqlite3_bind_text64(stmt, index, utf8.isEmpty() ? kEmpty : utf8.constData(),
                                   static_cast<sqlite3_uint64>(utf8.size()), SQLITE_TRANSIENT,
                                   SQLITE_UTF8);
    }
    const QByteArray blob = value.toBlob();
    return sqlite3_bind_blob64(stmt, index, blob.isEmpty() ? kEmpty : blob.constData(),
                               static_cast<sqlite3_uint64>(blob.size()), SQLITE_TRANSIENT);
}

Value columnValue(sqlite3_stmt* stmt, int index)
{
    switch (sqlite3_column_type(stmt, index)) {
    case SQLITE_INTEGER: return Value(static_cast<std::int64_t>(sqlite3_column_int64(stmt, index)));
    case SQLITE_FLOAT: return Value(sqlite3_column_double(stmt, index));
    case SQLITE_TEXT: {
        const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(stmt, index));
        return Value(QString::fromUtf8(text, sqlite3_column_bytes(stmt, index)));
    }
    case SQLITE_BLOB: {
        const auto* blob = static_cast<const char*>(sqlite3_column_blob(stmt, index));
        const int size = sqlite3_column_bytes(stmt, index);
        return Value(size > 0 ? QByteArray(blob, size) : QByteArray(""));
    }
    default: return Value();
    }
}

bool isBlank(const char* text)
{
    for (; *text; ++text)
        if (!QChar::isSpace(static_cast<unsigned char>(*text)) && *text != ';') return false;
    return true;
}

}  // namespace

Statement::Statement(sqlite3* db, const QString& sql, const QString& path)
    : db_(db), sql_(sql), path_(path)
{
    if (!db_)
        throw StoreException(StoreError::Other,
                             QStringLiteral("The store \"%1\" is closed").arg(path_));
    const QByteArray utf8 = sql.toUtf8();
    const char* tail = nullptr;
    const int rc = sqlite3_prepare_v2(db_, utf8.constData(), static_cast<int>(utf8.size()), &stmt_, &tail);
    if (rc != SQLITE_OK) fail(rc);
    if (!stmt_)
        throw StoreException(StoreError::Other,
                             QStringLiteral("No statement given for store \"%1\"").arg(path_));
    if (tail && !isBlank(tail)) {
        sqlite3_finalize(stmt_);
        stmt_ = nullptr;
        throw StoreException(StoreError::Other,
                             QStringLiteral("Only one statement may be run at a time on store \"%1\": %2")
                                 .arg(path_, sql_));
    }
}

Statement::~Statement() { sqlite3_finalize(stmt_); }

void Statement::fail(int resultCode) const
{
    QString action = QStringLiteral("Statement failed on store");
    if (!sql_.isEmpty()) action = QStringLiteral("\"%1\" failed on store").arg(sql_.simplified());
    throwStoreError(db_, resultCode, action, path_);
}

void Statement::bind(const Params& params)
{
    const int expected = sqlite3_bind_parameter_count(stmt_);
    if (expected != static_cast<int>(params.size()))
        throw StoreException(StoreError::Other,
                             QStringLiteral("\"%1\" on store \"%2\" takes %3 values, %4 given")
                                 .arg(sql_.simplified(), path_)
                                 .arg(expected)
                                 .arg(params.size()));
    for (int i = 0; i < expected; ++i) {
        const int rc = bindValue(stmt_, i + 1, params[static_cast<std::size_t>(i)]);
        if (rc != SQLITE_OK) fail(rc);
    }
}

bool Statement::step()
{
    const int rc = sqlite3_step(stmt_);
    if (rc == SQLITE_ROW) return true;
    if (rc == SQLITE_DONE) return false;
    fail(rc);
}

Row Statement::currentRow()
{
    const int count = sqlite3_column_count(stmt_);
    if (!names_) {
        auto names = std::make_shared<std::vector<QString>>();
        names->reserve(static_cast<std::size_t>(count));
        for (int i = 0; i < count; ++i) names->push_back(QString::fromUtf8(sqlite3_column_name(stmt_, i)));
        names_ = std::move(names);
    }
    std::vector<Value> values;
    values.reserve(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) values.push_back(columnValue(stmt_, i));
    return Row(names_, std::move(values));
}

std::vector<Row> Statement::allRows()
{
    std::vector<Row> rows;
    while (step()) rows.push_back(currentRow());
    return rows;
}

}  // namespace platform::detail
