#include "main/core/subjects/SubjectStore.h"

#include "platform/store/Store.h"

#include <QFileInfo>

#include <stdexcept>

namespace subjects {

namespace {

using platform::OpenMode;
using platform::Row;
using platform::Store;

QString phraseColumns(WithSound sound)
{
    return sound == WithSound::Yes
               ? QStringLiteral("pkPhraseNo, tPhrase, tTranslation, tTranslation2, bsound")
               : QStringLiteral("pkPhraseNo, tPhrase, tTranslation, tTranslation2");
}

SubjectPhrase phraseFrom(const Row& row, WithSound sound)
{
    SubjectPhrase phrase;
    phrase.key = row.at(QStringLiteral("pkPhraseNo")).toInt();
    phrase.phrase = row.at(QStringLiteral("tPhrase")).toText();
    phrase.translation = row.at(QStringLiteral("tTranslation")).toText();
    phrase.translation2 = row.at(QStringLiteral("tTranslation2")).toText();
    if (sound == WithSound::Yes) phrase.sound = row.at(QStringLiteral("bsound")).toBlob();
    return phrase;
}

std::optional<SubjectPhrase> firstPhrase(const std::vector<Row>& rows, WithSound sound)
{
    if (rows.empty()) return std::nullopt;
    return phraseFrom(rows.front(), sound);
}

}  // namespace

std::vector<SubjectPhrase> readSubjectPhrases(const QString& storePath, WithSound sound)
{
    const Store store = Store::open(storePath, OpenMode::ReadOnly);
    const std::vector<Row> rows =
        store.query("SELECT " + phraseColumns(sound) + " FROM tblPhrases ORDER BY rowid");
    std::vector<SubjectPhrase> phrases;
    phrases.reserve(rows.size());
    for (const Row& row : rows) phrases.push_back(phraseFrom(row, sound));
    return phrases;
}

std::optional<SubjectPhrase> readSubjectPhrase(const QString& storePath, std::int64_t key,
                                               WithSound sound)
{
    const Store store = Store::open(storePath, OpenMode::ReadOnly);
    return firstPhrase(store.query("SELECT " + phraseColumns(sound) +
                                       " FROM tblPhrases WHERE pkPhraseNo = ?",
                                   {key}),
                       sound);
}

SubjectPhrase requireSubjectPhrase(const QString& storePath, std::int64_t key, WithSound sound)
{
    std::optional<SubjectPhrase> phrase = readSubjectPhrase(storePath, key, sound);
    if (!phrase)
        throw std::runtime_error(QStringLiteral("The phrase %1 is no longer in the subject %2.")
                                     .arg(key)
                                     .arg(QFileInfo(storePath).fileName())
                                     .toStdString());
    return std::move(*phrase);
}

std::optional<SubjectPhrase> readSubjectPhraseAt(const QString& storePath, std::int64_t position)
{
    if (position < 1) return std::nullopt;
    const Store store = Store::open(storePath, OpenMode::ReadOnly);
    return firstPhrase(store.query("SELECT " + phraseColumns(WithSound::No) +
                                       " FROM tblPhrases ORDER BY rowid LIMIT 1 OFFSET ?",
                                   {position - 1}),
                       WithSound::No);
}

std::int64_t countSubjectPhrases(const QString& storePath)
{
    const Store store = Store::open(storePath, OpenMode::ReadOnly);
    return store.query(QStringLiteral("SELECT count(*) AS n FROM tblPhrases")).front().at(0).toInt();
}

QString readProgramCode(const QString& storePath)
{
    const Store store = Store::open(storePath, OpenMode::ReadOnly);
    const std::vector<Row> rows =
        store.query(QStringLiteral("SELECT tProgramCode FROM tblProperties ORDER BY rowid LIMIT 1"));
    if (rows.empty())
        throw platform::StoreException(
            platform::StoreError::Other,
            QStringLiteral("The subject store %1 names no edition.")
                .arg(storePath));
    return rows.front().at(0).toText();
}

}  // namespace subjects
