#include "platform/store/Store.h"

namespace platform {

Transaction::Transaction(Store& store, TransactionKind kind) : store_(store)
{
    // IMMEDIATE takes the write lock now, waiting out the busy timeout, so a
    // read-then-write never fails half way because another writer came first.
    store_.execute(kind == TransactionKind::Immediate ? QStringLiteral("BEGIN IMMEDIATE")
                                                      : QStringLiteral("BEGIN"));
}

Transaction::~Transaction()
{
    if (done_ || !store_.inTransaction()) return;
    try {
        store_.execute(QStringLiteral("ROLLBACK"));
    } catch (const StoreException&) {
        // SQLite has already ended the transaction itself when ROLLBACK fails.
    }
}

void Transaction::commit()
{
    store_.execute(QStringLiteral("COMMIT"));
    done_ = true;
}

}  // namespace platform
