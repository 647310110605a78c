#include "activities/drills/15letterbee/rules/LetterSounds.h"

#include "activities/drills/15letterbee/rules/LetterKeys.h"

#include <QHash>
#include <QList>

namespace letterbee {

namespace {

// Characters that take a name of their own (some appear more than once).
const QString kSpecialCharacters =
    QStringLiteral("¿¡ÑÓÚÑÁÀÂÄÉÈÊËÍÌÎÏÒÔÖÙÛÜÇŒ€ÀÂÄÈÊËÌÎÏÒÓÄÅÆÐËÖØßÞÜŸ");

using NameTable = QHash<QString, QString>;

const NameTable& namesFor(const QString& language)
{
    static const NameTable spanish = {
        {"Á", "A"}, {"É", "E"}, {"Í", "I"}, {"Ó", "O"}, {"Ú", "U"}, {"Ñ", "NN"}, {"Ü", "U"},
        {"¿", "Interrogacion"}, {"?", "Interrogacion"}, {"¡", "exclamacion"}, {"!", "exclamacion"},
    };
    static const NameTable french = {
        {"Á", "A"}, {"À", "A"}, {"Â", "A"}, {"Ä", "A"},
        {"É", "E"}, {"È", "E"}, {"Ê", "E"}, {"Ë", "E"}, {"€", "E"},
        {"Í", "I"}, {"Ì", "I"}, {"Î", "I"}, {"Ï", "I"},
        {"Ó", "O"}, {"Ò", "O"}, {"Ô", "O"}, {"Ö", "O"},
        {"Ú", "U"}, {"Ù", "U"}, {"Û", "U"}, {"Ü", "U"},
        {"Ç", "C_"}, {"Œ", "OE"},
    };
    static const NameTable german = {
        {"Å", "A"}, {"Æ", "A"}, {"Ð", "D"}, {"Ø", "O"}, {"ß", "B2"}, {"Ä", "A2"}, {"Ö", "O2"}, {"Ü", "U2"},
    };
    static const NameTable italian = {{"À", "A"}, {"È", "E"}, {"Ì", "I"}, {"Ò", "O"}, {"Ù", "U"}};
    static const NameTable none;
    if (language == QLatin1String("Spanish"))
        return spanish;
    if (language == QLatin1String("French"))
        return french;
    if (language == QLatin1String("German"))
        return german;
    if (language == QLatin1String("Italian"))
        return italian;
    return none;
}

}  // namespace

bool Is_Special_Character(const QString& letter)
{
    return !letter.isEmpty() && kSpecialCharacters.contains(upperCase(letter));
}

QString letterSoundName(const QString& letter, const QString& language)
{
    if (!Is_Special_Character(letter) && letter != QLatin1String("?") && letter != QLatin1String("!"))
        return letter;
    return namesFor(language).value(letter, letter);
}

QString letterSoundType(const QString& language) { return upperCase(language); }

QString letterResourceName(const QString& soundName)
{
    QString name;
    for (const char32_t c : soundName.toUcs4()) {
        const bool plain = (c >= U'A' && c <= U'Z') || (c >= U'a' && c <= U'z') || (c >= U'0' && c <= U'9') ||
                           c == U'_';
        if (plain)
            name += QChar(static_cast<char16_t>(c));
        else
            name += QStringLiteral("U+%1").arg(static_cast<uint>(c), 4, 16, QLatin1Char('0')).toUpper();
    }
    return name;
}

}  // namespace letterbee
