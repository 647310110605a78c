#pragma once

#include "platform/store/Store.h"

// Turning SQLite result codes into StoreException, shared by the connection and
// its statements so every failure names what failed and the file.
namespace platform::detail {

StoreError storeErrorFromCode(int extendedCode);

// Throws a StoreException for a failed call on db: "<action> "<path>": <reason>".
// db may be null (a failed open that left no handle).
[[noreturn]] void throwStoreError(sqlite3* db, int resultCode, const QString& action,
                                  const QString& path);

}  // namespace platform::detail
