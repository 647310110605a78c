#pragma once

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <optional>
#include <vector>

// Reading an installed subject store: tblPhrases (one row per phrase, in store
// order) and tblProperties (the program code of the edition it belongs to).
// Every function opens the store read-only, reads, and closes it again; failures
// throw platform::StoreException with a message naming the file.
namespace subjects {

struct SubjectPhrase {
    std::int64_t key = 0;   // pkPhraseNo
    QString phrase;         // tPhrase
    QString translation;    // tTranslation
    QString translation2;   // tTranslation2 (NULL reads as "")
    QByteArray sound;       // bsound, a whole WAV file (only when asked for)
};

enum class WithSound { No, Yes };

// Every phrase in store order.
std::vector<SubjectPhrase> readSubjectPhrases(const QString& storePath, WithSound sound = WithSound::No);

// The phrase with this key, or nothing when there is none.
std::optional<SubjectPhrase> readSubjectPhrase(const QString& storePath, std::int64_t key,
                                               WithSound sound = WithSound::No);

// The phrase with this key; throws std::runtime_error naming the key and the
// store's file when there is none.
SubjectPhrase requireSubjectPhrase(const QString& storePath, std::int64_t key, WithSound sound = WithSound::No);

// The position-th phrase (1-based) in store order, or nothing past the last one;
// gaps in the keys make no difference.
std::optional<SubjectPhrase> readSubjectPhraseAt(const QString& storePath, std::int64_t position);

std::int64_t countSubjectPhrases(const QString& storePath);

// tProgramCode of the first tblProperties row; throws when the table has no row.
QString readProgramCode(const QString& storePath);

}  // namespace subjects
