#pragma once

#include "platform/store/Store.h"

// One prepared SQL statement of a connection, with its values bound exactly
// (texts as UTF-8 with their full length, blobs byte for byte, "" never as NULL).
namespace platform::detail {

class Statement {
public:
    Statement(sqlite3* db, const QString& sql, const QString& path);
    ~Statement();
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;

    void bind(const Params& params);
    // Steps once; true while a row is ready.
    bool step();
    Row currentRow();
    // Steps to the end, collecting every row.
    std::vector<Row> allRows();

private:
    [[noreturn]] void fail(int resultCode) const;

    sqlite3* db_;
    sqlite3_stmt* stmt_ = nullptr;
    QString sql_;
    QString path_;
    std::shared_ptr<const std::vector<QString>> names_;
};

}  // namespace platform::detail
