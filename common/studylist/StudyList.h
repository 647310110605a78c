#pragma once

// The study list the main program hands to an activity: who is learning, which
// subject, and up to ten phrases with their sounds.
#include <QString>

#include <array>
#include <cstdint>
#include <vector>

namespace studylist {

inline constexpr int kMaxPhrases = 10;

struct StudyPhrase {
    QString subjectFile;   // the subject store the phrase comes from (not written to the file)
    int number = 0;        // slot in the list, 1 to 10
    QString phrase;        // tPhrase, in the language being learnt
    QString translation;   // tTranslation
    QString translation2;  // tTranslation2, often empty
    QString soundPath;     // full path of the phrase's sound file
    std::int64_t key = 0;  // pkPhraseNo in its subject store (not written to the file)

    bool operator==(const StudyPhrase&) const = default;
};

// The fifteen header lines of the file, in order. Line 8, the number of phrases,
// is not kept apart: it is phrases.size().
struct StudyList {
    QString instanceHandle;     // line 1: identifies the main program; readers drop it
    QString programCode;        // line 2, e.g. "dvlfre"
    QString productTitle;       // line 3
    QString interfaceLanguage;  // line 4: "English" or "Spanish"
    QString targetLanguage;     // line 5
    QString userName;           // line 6: first name, one blank, last name
    QString subjectTitle;       // line 7: shown by the activity and stored with its scores
    QString userStorePath;      // line 9: full path of Users.dat
    std::array<QString, 5> spare{"EMPTY", "EMPTY", "EMPTY", "EMPTY", "EMPTY"};  // lines 10-14
    QString reserved = QStringLiteral("0");  // line 15: readers skip it
    std::vector<StudyPhrase> phrases;        // slot order

    int phraseCount() const { return static_cast<int>(phrases.size()); }
    bool operator==(const StudyList&) const = default;
};

}  // namespace studylist
