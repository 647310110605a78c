#include "activities/framework/windows/ButtonCaption.h"

#include <QRegularExpression>

namespace activity {

QString spokenCaption(const QString& caption)
{
    static const QRegularExpression lineBreaks(QStringLiteral("[\\r\\n\\x{2028}\\x{2029}]+"));
    QString spoken = caption;
    spoken.replace(lineBreaks, QStringLiteral(" "));
    return spoken.trimmed();
}

}  // namespace activity
