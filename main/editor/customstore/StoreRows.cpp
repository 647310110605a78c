// The rows of a custom subject store: custom subjects and their phrases.
#include "main/editor/customstore/CustomStoreLibrary.h"

#include "main/core/subjects/SubjectStore.h"
#include "main/editor/customstore/StoreNames.h"
#include "platform/store/Store.h"

namespace customstore {

namespace {

using platform::OpenMode;
using platform::Store;
using platform::Transaction;
using platform::TransactionKind;

Store openStore(const QString& path)
{
    return Store::open(path, OpenMode::ReadWrite);
}

// The name column of tblParents is found by its position (the second column).
QString nameColumn(const Store& store)
{
    const auto columns = store.query(QStringLiteral("PRAGMA table_info(tblParents)"));
    if (columns.size() < 2)
        throw platform::StoreException(platform::StoreError::Other,
                                       QStringLiteral("%1 has no table of custom subjects.").arg(store.path()));
    QString name = columns.at(1).at(QStringLiteral("name")).toText();
    return '"' + name.replace('"', QLatin1String("\"\"")) + '"';
}

std::int64_t addSubjectRow(Store& store, const QString& name)
{
    store.execute("INSERT INTO tblParents (" + nameColumn(store) + ") VALUES (?)", {name});
    return store.lastInsertId();
}

bool subjectExists(const Store& store, std::int64_t groupKey)
{
    return !store.query(QStringLiteral("SELECT nParent FROM tblParents WHERE nParent = ?"), {groupKey}).empty();
}

QString noSuchSubject(const Store& store, std::int64_t groupKey)
{
    return QStringLiteral("%1 holds no custom subject %2.").arg(store.path()).arg(groupKey);
}

CustomPhrase addPhraseRow(Store& store, std::int64_t groupKey, const InstalledPhrase& phrase)
{
    store.execute(QStringLiteral("INSERT INTO tblPhrases (fkParent, tfilename, nPhraseNo, tPhrase, "
                                 "tTranslation, tTranslation2) VALUES (?, ?, ?, ?, ?, ?)"),
                  {groupKey, phrase.subjectFile, phrase.phraseNo, phrase.phrase, phrase.translation,
                   phrase.translation2});
    return CustomPhrase{store.lastInsertId(), groupKey,           phrase.subjectFile, phrase.phraseNo,
                        phrase.phrase,        phrase.translation, phrase.translation2};
}

}  // namespace

Result<std::int64_t> CustomStoreLibrary::newSubject(const QString& folderName, const QString& name)
{
    return guarded<std::int64_t>([&] {
        Store store = openStore(storePath(folderName));
        return Result<std::int64_t>::ok(addSubjectRow(store, name));
    });
}

Result<> CustomStoreLibrary::renameSubject(const QString& folderName, std::int64_t groupKey,
                                           const QString& typedName)
{
    if (typedName.trimmed().isEmpty()) return refuse<std::monostate>(caption::TypeAName);
    return guarded<std::monostate>([&] {
        Store store = openStore(storePath(folderName));
        const std::int64_t changed = store.execute(
            "UPDATE tblParents SET " + nameColumn(store) + " = ? WHERE nParent = ?", {typedName, groupKey});
        if (changed == 0) return Result<>::failed(noSuchSubject(store, groupKey));
        return Result<>::ok();
    });
}

Result<> CustomStoreLibrary::deleteSubject(const QString& folderName, std::int64_t groupKey)
{
    return guarded<std::monostate>([&] {
        Store store = openStore(storePath(folderName));
        Transaction transaction(store, TransactionKind::Immediate);
        store.execute(QStringLiteral("DELETE FROM tblPhrases WHERE fkParent = ?"), {groupKey});
        store.execute(QStringLiteral("DELETE FROM tblParents WHERE nParent = ?"), {groupKey});
        transaction.commit();
        return Result<>::ok();
    });
}

Result<CopiedSubject> CustomStoreLibrary::copySubject(const QString& folderName, const QString& title,
                                                      const QString& installedFile)
{
    return guarded<CopiedSubject>([&] {
        // Every source row is read before anything is written.
        const std::vector<subjects::SubjectPhrase> source =
            subjects::readSubjectPhrases(settings_.installedSubjectsDir + installedFile);
        Store store = openStore(storePath(folderName));
        Transaction transaction(store, TransactionKind::Immediate);
        CopiedSubject copied;
        copied.groupKey = addSubjectRow(store, title);
        for (const subjects::SubjectPhrase& phrase : source)
            copied.phrases.push_back(addPhraseRow(
                store, copied.groupKey,
                {installedFile, phrase.key, phrase.phrase, phrase.translation, phrase.translation2}));
        transaction.commit();
        return Result<CopiedSubject>::ok(std::move(copied));
    });
}

Result<std::int64_t> CustomStoreLibrary::copyPhrase(const QString& folderName, std::int64_t groupKey,
                                                    const InstalledPhrase& phrase)
{
    return guarded<std::int64_t>([&] {
        Store store = openStore(storePath(folderName));
        Transaction transaction(store, TransactionKind::Immediate);
        if (!subjectExists(store, groupKey)) return Result<std::int64_t>::failed(noSuchSubject(store, groupKey));
        const std::int64_t count =
            store.query(QStringLiteral("SELECT count(*) FROM tblPhrases WHERE fkParent = ?"), {groupKey})
                .front()
                .at(0)
                .toInt();
        if (count >= kMaxPhrasesPerSubject) return refuse<std::int64_t>(caption::TooManyPhrases);
        const std::int64_t key = addPhraseRow(store, groupKey, phrase).key;
        transaction.commit();
        return Result<std::int64_t>::ok(key);
    });
}

Result<> CustomStoreLibrary::deletePhrase(const QString& folderName, std::int64_t phraseKey)
{
    return guarded<std::monostate>([&] {
        Store store = openStore(storePath(folderName));
        store.execute(QStringLiteral("DELETE FROM tblPhrases WHERE pkPhraseNo = ?"), {phraseKey});
        return Result<>::ok();
    });
}

Result<std::vector<CustomGroup>> CustomStoreLibrary::readSubjects(const QString& folderName) const
{
    return guarded<std::vector<CustomGroup>>([&] {
        return Result<std::vector<CustomGroup>>::ok(subjects::readCustomGroups(storePath(folderName)));
    });
}

Result<std::vector<CustomPhrase>> CustomStoreLibrary::readPhrases(const QString& folderName,
                                                                  std::int64_t groupKey) const
{
    return guarded<std::vector<CustomPhrase>>([&] {
        return Result<std::vector<CustomPhrase>>::ok(subjects::readCustomPhrases(storePath(folderName), groupKey));
    });
}

}  // namespace customstore
