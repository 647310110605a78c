#pragma once

#include <QString>
#include <QStringList>

#include <optional>

namespace activity {

// The program's whole argument text: its arguments joined by blanks.
QString wholeArgumentText(const QStringList& argumentsWithoutProgram);

// The study list's path for the argument text: the temporary folder followed
// by the trimmed text. None when the text is empty (the program then ends
// silently). A text of blanks gives the folder itself, which cannot be read;
// a text holding "/" is refused (it would name a file outside the folder) by
// giving the folder too.
std::optional<QString> studyListPath(const QString& tempFolder, const QString& argumentText);

}  // namespace activity
