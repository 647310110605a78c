#include "activities/drills/10askround/rules/SpecialKeys.h"

#include "platform/ui/TextCase.h"

namespace askround {

namespace {

QStringList characters(const QString& text)
{
    QStringList list;
    for (const QChar c : text)
        list << QString(c);
    return list;
}

}  // namespace

QStringList specialCharacters(const QString& programCode)
{
    if (programCode == QLatin1String("dvlspa"))
        return characters(QStringLiteral("ÁÉÍÓÚÑ¿¡Ü"));
    if (programCode == QLatin1String("dvleng"))
        return characters(QStringLiteral(".?!'-"));
    if (programCode == QLatin1String("dvlfre") || programCode == QLatin1String("dvlfra"))
        return characters(QStringLiteral("ÀÁÂÄÈÉÊËÌÍÎÏÒÓÔÖÙÚÛÜÇ"));
    if (programCode == QLatin1String("dvlger") || programCode == QLatin1String("dvlale"))
        return characters(QStringLiteral("ÄÅÆÐËÖØßÞÜ"));
    if (programCode == QLatin1String("dvlita") || programCode == QLatin1String("dvlito"))
        return characters(QStringLiteral("ÀÈÌÒÙ"));
    return {};
}

QStringList casedCharacters(const QStringList& characters, bool capsLockOn)
{
    QStringList cased;
    for (const QString& c : characters)
        cased << (capsLockOn ? platform::ui::ucase(c) : platform::ui::lcase(c));
    return cased;
}

}  // namespace askround
