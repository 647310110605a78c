#pragma once

#include <QString>

#include <cstdint>
#include <vector>

// Reading a custom subject store: its groups (tblParents) and each group's phrases
// (tblPhrases), in store order. The store is opened read-write, as custom stores
// always are, so a write left unfinished by a killed program is rolled back
// first; nothing is written. Failures throw platform::StoreException.
namespace subjects {

struct CustomGroup {
    std::int64_t key = 0;  // first column, nParent
    QString name;          // second column
};

struct CustomPhrase {
    std::int64_t key = 0;       // pkPhraseNo in the custom store
    std::int64_t groupKey = 0;  // fkParent
    QString subjectFile;        // tfilename: the installed subject store it comes from
    std::int64_t phraseNo = 0;  // nPhraseNo: the phrase's key in that store
    QString phrase;
    QString translation;
    QString translation2;
};

std::vector<CustomGroup> readCustomGroups(const QString& storePath);
std::vector<CustomPhrase> readCustomPhrases(const QString& storePath, std::int64_t groupKey);

}  // namespace subjects
