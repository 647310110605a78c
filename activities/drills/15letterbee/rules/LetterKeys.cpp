#include "activities/drills/15letterbee/rules/LetterKeys.h"

#include "activities/drills/15letterbee/rules/LetterbeeLayout.h"

#include <QChar>
#include <QList>

namespace letterbee {

namespace {

const QString kBase = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789,.?!'-");

}  // namespace

QString alphabetFor(const QString& programCode)
{
    if (programCode == QLatin1String("dvlspa"))
        return kBase + QStringLiteral("ÁÉÍÓÚÑ¿¡Ü");
    if (programCode == QLatin1String("dvlfre") || programCode == QLatin1String("dvlfra"))
        return kBase + QStringLiteral("ÀÁÂÄÈÉÊËÌÍÎÏÒÓÔÖÙÚÛÜÇŒ€");
    if (programCode == QLatin1String("dvlger") || programCode == QLatin1String("dvlale"))
        return kBase + QStringLiteral("ÄÅÆÐËÖØßÞÜŸ");
    if (programCode == QLatin1String("dvlita") || programCode == QLatin1String("dvlito"))
        return kBase + QStringLiteral("ÀÈÌÒÙ");
    return kBase;
}

QPoint keyPosition(int key)
{
    const int row = (key - 1) / layout::kKeysPerRow;
    const int column = (key - 1) % layout::kKeysPerRow;
    return {layout::kKey0.left() + (column + 1) * layout::kKeyStep, layout::kKey0.top() + row * layout::kKeyStep};
}

std::optional<QString> letterForKey(int key)
{
    if (key >= Qt::Key_A && key <= Qt::Key_Z)
        return QString(QChar(key));
    switch (key) {
    case Qt::Key_1:
    case Qt::Key_Exclam: return QStringLiteral("!");
    case Qt::Key_Comma: return QStringLiteral(",");
    case Qt::Key_Period: return QStringLiteral(".");
    case Qt::Key_Slash:
    case Qt::Key_Question: return QStringLiteral("?");
    case Qt::Key_Apostrophe: return QStringLiteral("'");
    default: break;
    }
    if (key >= Qt::Key_0 && key <= Qt::Key_9)
        return QString(QChar(key));
    return std::nullopt;
}

QString upperCase(const QString& text)
{
    QString upper;
    for (const char32_t c : text.toUcs4()) {
        const char32_t u = QChar::toUpper(c);
        upper += QString::fromUcs4(&u, 1);
    }
    return upper;
}

}  // namespace letterbee
