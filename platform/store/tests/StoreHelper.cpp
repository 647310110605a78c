// A second program working on a store, for the cases one process cannot show:
// a writer killed inside its transaction, a lock held by another process, and
// reading as a user who may not write the folder.
#include "platform/store/Store.h"

#include <chrono>
#include <cstdio>
#include <cstring>
#include <thread>
#include <unistd.h>

using platform::Store;

namespace {

// Changes every row inside a transaction with a tiny page cache, so changed pages
// reach the file before the end, then dies without committing.
int crashInTransaction(const QString& path)
{
    Store store = Store::open(path, platform::OpenMode::ReadWrite);
    store.execute("PRAGMA cache_size=2");
    store.execute("BEGIN");
    store.execute("UPDATE t SET tText = 'changed', bData = zeroblob(4096)");
    for (int i = 0; i < 50; ++i) store.execute("INSERT INTO t (tText, bData) VALUES ('new', zeroblob(4096))");
    std::fflush(stdout);
    ::_exit(0);
}

// Takes the write lock, says so on stdout, holds it, then commits.
int holdWriteLock(const QString& path, int milliseconds)
{
    Store store = Store::open(path, platform::OpenMode::ReadWrite);
    platform::Transaction transaction(store, platform::TransactionKind::Immediate);
    store.execute("INSERT INTO t (tText) VALUES ('held')");
    std::printf("locked\n");
    std::fflush(stdout);
    std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
    transaction.commit();
    return 0;
}

int readTexts(const QString& path)
{
    Store store = Store::open(path, platform::OpenMode::ReadOnly);
    for (const auto& row : store.query("SELECT tText FROM t ORDER BY rowid"))
        std::printf("%s\n", row["tText"].toText().toUtf8().constData());
    return 0;
}

int writeText(const QString& path)
{
    Store store = Store::open(path, platform::OpenMode::ReadWrite);
    store.execute("INSERT INTO t (tText) VALUES ('written')");
    return 0;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc < 3) return 64;
    const QString command = QString::fromUtf8(argv[1]);
    const QString path = QString::fromUtf8(argv[2]);
    try {
        if (command == "crash") return crashInTransaction(path);
        if (command == "hold" && argc == 4) return holdWriteLock(path, std::atoi(argv[3]));
        if (command == "read") return readTexts(path);
        if (command == "write") return writeText(path);
    } catch (const platform::StoreException& e) {
        std::fprintf(stderr, "%s\n%s\n", platform::storeErrorName(e.code()).toUtf8().constData(), e.what());
        return 1;
    }
    return 64;
}
