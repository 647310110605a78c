#include "activities/framework/startup/StudyArgument.h"

namespace activity {

QString wholeArgumentText(const QStringList& argumentsWithoutProgram)
{
    return argumentsWithoutProgram.join(QLatin1Char(' '));
}

std::optional<QString> studyListPath(const QString& tempFolder, const QString& argumentText)
{
    if (argumentText.isEmpty()) return std::nullopt;
    const QString name = argumentText.trimmed();
    // The study list is always a file of the private temporary folder.
    if (name.contains(QLatin1Char('/'))) return tempFolder;
    return tempFolder + name;
}

}  // namespace activity
