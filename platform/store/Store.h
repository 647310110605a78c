#pragma once

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <initializer_list>
#include <memory>
#include <stdexcept>
#include <variant>
#include <vector>

struct sqlite3;
struct sqlite3_stmt;

namespace platform {

// What went wrong with a store, told apart so callers can react differently
// (a busy store is left alone, a file that is not a store is set aside, ...).
enum class StoreError {
    Busy,          // another connection holds a lock and the busy timeout ran out
    NotADatabase,  // the file exists but is not a store
    ReadOnly,      // a write into a store or folder that refuses writes
    CannotOpen,    // missing file, missing folder, no permission
    IO,            // disk error while reading or writing
    Constraint,    // a key or NOT NULL rule refused the row
    Other,         // any other SQL error (wrong table, wrong column, ...)
};

// A short name of the code ("busy", "not a database", ...) for messages and tests.
QString storeErrorName(StoreError code);

class StoreException : public std::runtime_error {
public:
    StoreException(StoreError code, const QString& message);
    StoreError code() const { return code_; }
    QString text() const { return QString::fromUtf8(what()); }

private:
    StoreError code_;
};

// One cell: NULL, a whole number, a real number, a text or a blob. NULL and "" differ.
class Value {
public:
    Value() = default;  // NULL
    Value(std::nullptr_t) {}
    Value(int v) : data_(static_cast<std::int64_t>(v)) {}
    Value(std::int64_t v) : data_(v) {}
    Value(double v) : data_(v) {}
    Value(const QString& v) : data_(v) {}
    Value(const char* v) : data_(QString::fromUtf8(v)) {}
    Value(const QByteArray& v) : data_(v) {}

    bool isNull() const { return std::holds_alternative<std::monostate>(data_); }
    bool isInteger() const { return std::holds_alternative<std::int64_t>(data_); }
    bool isReal() const { return std::holds_alternative<double>(data_); }
    bool isText() const { return std::holds_alternative<QString>(data_); }
    bool isBlob() const { return std::holds_alternative<QByteArray>(data_); }

    // Conversions: NULL gives "" / 0 / empty; numbers format as decimal text.
    QString toText() const;
    std::int64_t toInt() const;
    double toReal() const;
    QByteArray toBlob() const;

    bool operator==(const Value&) const = default;

private:
    std::variant<std::monostate, std::int64_t, double, QString, QByteArray> data_;
};

// One result row; columns are found by name ignoring letter case, or by position.
class Row {
public:
    Row(std::shared_ptr<const std::vector<QString>> names, std::vector<Value> values);

    int columnCount() const { return static_cast<int>(values_.size()); }
    QString columnName(int index) const;
    bool hasColumn(const QString& name) const;
    const Value& at(int index) const;            // throws StoreException(Other) when out of range
    const Value& at(const QString& name) const;  // throws StoreException(Other) when missing
    const Value& operator[](int index) const { return at(index); }
    const Value& operator[](const QString& name) const { return at(name); }

private:
    std::shared_ptr<const std::vector<QString>> names_;
    std::vector<Value> values_;
};

using Params = std::vector<Value>;

enum class OpenMode { ReadOnly, ReadWrite };
enum class TransactionKind { Deferred, Immediate };

// A connection to one store file. Opening never creates a file; only the content
// builder and test fixtures create stores (create()). Values are always bound,
// never pasted into SQL text. Results come in the order the SQL asks for; "store
// order" is ORDER BY rowid, which callers write themselves.
class Store {
public:
    // How long a connection waits for another one's lock before a call fails with Busy.
    static constexpr int kDefaultBusyTimeoutMs = 5000;

    // Throws StoreException (CannotOpen when the file is missing; nothing is created;
    // Busy when another connection holds the store locked past busyTimeoutMs).
    static Store open(const QString& path, OpenMode mode, int busyTimeoutMs = kDefaultBusyTimeoutMs);
    // Creates a new, empty store; throws when the file already exists.
    static Store create(const QString& path);
    // The rollback journal beside the store at path, where an unfinished write waits.
    static QString journalPath(const QString& path) { return path + QStringLiteral("-journal"); }

    Store(Store&&) noexcept;
    Store& operator=(Store&&) noexcept;
    Store(const Store&) = delete;
    Store& operator=(const Store&) = delete;
    ~Store();

    std::vector<Row> query(const QString& sql, const Params& params = {}) const;
    // Runs a statement that returns no rows; gives the number of rows changed.
    std::int64_t execute(const QString& sql, const Params& params = {});
    // Runs several statements with no parameters (schema scripts).
    void executeScript(const QString& sql);
    std::int64_t lastInsertId() const;
    bool inTransaction() const;

    // True when the file refuses writes (a read-only connection, or a read-write one
    // on a file this user may not write); reading still works.
    bool isReadOnly() const;

    void setBusyTimeout(int milliseconds);
    QString path() const { return path_; }
    void close();  // also done by the destructor

private:
    Store(sqlite3* db, QString path);
    sqlite3* db_ = nullptr;
    QString path_;
};

// Begun on construction, rolled back on destruction unless commit() ran.
class Transaction {
public:
    Transaction(Store& store, TransactionKind kind = TransactionKind::Deferred);
    ~Transaction();
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;
    void commit();

private:
    Store& store_;
    bool done_ = false;
};

}  // namespace platform
