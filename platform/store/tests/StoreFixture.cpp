#include "StoreFixture.h"

namespace storetest {

void makeTextStore(const QString& path, const QStringList& texts, int blobBytes)
{
    platform::Store store = platform::Store::create(path);
    store.executeScript("CREATE TABLE t (tText TEXT, bData BLOB);");
    platform::Transaction transaction(store);
    for (const QString& text : texts)
        store.execute("INSERT INTO t (tText, bData) VALUES (?, ?)", {text, QByteArray(blobBytes, 'x')});
    transaction.commit();
}

QStringList textsInStore(const QString& path)
{
    QStringList texts;
    const platform::Store store = platform::Store::open(path, platform::OpenMode::ReadOnly);
    for (const auto& row : store.query("SELECT tText FROM t ORDER BY rowid")) texts << row["tText"].toText();
    return texts;
}

}  // namespace storetest
