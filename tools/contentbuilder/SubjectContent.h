#pragma once

#include <QString>

#include <vector>

namespace contentbuilder {

struct Phrase {
    QString phrase;        // in the language being learnt; spoken for the recording
    QString translation;   // in the edition's interface language
    QString translation2;  // a second translation, or ""
};

struct Subject {
    QString title;     // "Food and Drink"
    QString name;      // "food_and_drink": the source file's name and the store's name
    QString fileName;  // "food_and_drink.fre"
    QString source;    // the content file it was read from
    std::vector<Phrase> phrases;  // phrase k has the key k
};

// One edition's installed subjects: a folder with edition.json and one file per subject.
struct SubjectSet {
    QString folderName;   // "french"
    QString programCode;  // written into every subject store
    QString extension;    // the subject files' extension, without the dot
    QString voice;        // the speech voice of the language being learnt
    QString editionSource;  // the edition.json it was read from
    std::vector<Subject> subjects;  // in file name order

    const Subject* find(const QString& name) const;
};

constexpr int kMaxPhrasesPerSubject = 10;  // a study list holds ten phrases

// The store file name of a title: its words in lower case joined by "_", "." and the extension.
QString subjectFileName(const QString& title, const QString& extension);

// Reads content/subjects/<folder>/: edition.json and every other *.json as a subject.
SubjectSet readSubjectSet(const QString& folder);

}  // namespace contentbuilder
