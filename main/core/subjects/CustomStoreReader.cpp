#include "main/core/subjects/CustomStoreReader.h"

#include "platform/store/Store.h"

namespace subjects {

using platform::OpenMode;
using platform::Row;
using platform::Store;

std::vector<CustomGroup> readCustomGroups(const QString& storePath)
{
    const Store store = Store::open(storePath, OpenMode::ReadWrite);
    // Key and name are the first two columns, whatever the name column is called.
    const std::vector<Row> rows = store.query(QStringLiteral("SELECT * FROM tblParents ORDER BY rowid"));
    std::vector<CustomGroup> groups;
    groups.reserve(rows.size());
    for (const Row& row : rows) groups.push_back({row.at(0).toInt(), row.at(1).toText()});
    return groups;
}

std::vector<CustomPhrase> readCustomPhrases(const QString& storePath, std::int64_t groupKey)
{
    const Store store = Store::open(storePath, OpenMode::ReadWrite);
    const std::vector<Row> rows = store.query(
        QStringLiteral("SELECT pkPhraseNo, fkParent, tfilename, nPhraseNo, tPhrase, tTranslation, "
                       "tTranslation2 FROM tblPhrases WHERE fkParent = ? ORDER BY rowid"),
        {groupKey});
    std::vector<CustomPhrase> phrases;
    phrases.reserve(rows.size());
    for (const Row& row : rows) {
        phrases.push_back({row.at(QStringLiteral("pkPhraseNo")).toInt(),
                           row.at(QStringLiteral("fkParent")).toInt(),
                           row.at(QStringLiteral("tfilename")).toText(),
                           row.at(QStringLiteral("nPhraseNo")).toInt(),
                           row.at(QStringLiteral("tPhrase")).toText(),
                           row.at(QStringLiteral("tTranslation")).toText(),
                           row.at(QStringLiteral("tTranslation2")).toText()});
    }
    return phrases;
}

}  // namespace subjects
