#pragma once

// The study list file: fifteen header lines, then four double-quoted lines per
// phrase (phrase, translation, second translation, sound file path), UTF-8 text
// with CR LF line ends.
#include "common/studylist/StudyList.h"
#include "common/studylist/WriteResult.h"

#include <QString>

#include <optional>

namespace studylist {

// Either the list read, or the reason it could not be read.
struct ReadResult {
    std::optional<StudyList> list;
    QString error;
    bool ok() const { return list.has_value(); }
};

// Writes the file whole or not at all (a new file renamed into place). Line
// breaks inside any value are written as blanks, since each value is one line.
// A list with no phrases or more than ten is refused and nothing is written.
WriteResult write(const QString& path, const StudyList& list);

// Reads a study list file. Header values are whole lines without their leading
// blanks; a phrase line holds the text between its first and last double quote.
// Refused: a missing or unreadable file, a count outside 1 to 10, a file that
// ends before the counted phrases, a phrase line without its quotes. Phrases
// are numbered 1, 2, ... in file order; their subject file and key stay empty.
ReadResult read(const QString& path);

}  // namespace studylist
