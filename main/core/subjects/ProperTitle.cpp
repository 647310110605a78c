#include "main/core/subjects/ProperTitle.h"

#include "platform/ui/TextCase.h"

#include <QStringList>

namespace subjects {

QString Proper_Title(const QString& fileName)
{
    QString spaced;
    for (const QString& piece : fileName.split('_')) spaced += ' ' + piece;
    const qsizetype extension = 4;  // "." and the three-letter extension
    if (spaced.size() < extension) return QString();
    spaced.chop(extension);
    return platform::ui::properCase(spaced);
}

}  // namespace subjects
