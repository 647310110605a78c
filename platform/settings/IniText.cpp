#include "platform/settings/IniText.h"

#include <QRegularExpression>
#include <QStringList>

namespace platform::ini {

namespace {

// Keys may carry %XX or %UXXXX escapes for characters an INI key cannot hold.
QString decodedKey(const QString& key)
{
    QString decoded;
    for (qsizetype i = 0; i < key.size(); ++i) {
        const bool wide = key.mid(i, 2) == QLatin1String("%U");
        const qsizetype digits = wide ? 4 : 2;
        const qsizetype start = i + (wide ? 2 : 1);
        bool ok = false;
        const uint code = key[i] == QLatin1Char('%') ? key.mid(start, digits).toUInt(&ok, 16) : 0;
        if (ok && key.mid(start, digits).size() == digits) {
            decoded += QChar(static_cast<char16_t>(code));
            i = start + digits - 1;
        } else {
            decoded += key[i];
        }
    }
    return decoded;
}

// Blanks around keys and values are the ASCII ones an editor adds; other blanks
// (U+00A0, U+3000) belong to the value.
QString asciiTrimmed(const QString& text)
{
    const auto isBlank = [](QChar c) {
        return c == QLatin1Char(' ') || c == QLatin1Char('\t') || c == QLatin1Char('\r') || c == QLatin1Char('\v') ||
               c == QLatin1Char('\f');
    };
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && isBlank(text[begin])) ++begin;
    while (end > begin && isBlank(text[end - 1])) --end;
    return text.mid(begin, end - begin);
}

}  // namespace

std::optional<QString> rawValue(const QByteArray& fileText, const QString& name)
{
    std::optional<QString> found;
    bool inGeneral = true;
    const QStringList lines = QString::fromUtf8(fileText).split(QLatin1Char('\n'));
    for (const QString& rawLine : lines) {
        const QString line = asciiTrimmed(rawLine);
        if (line.isEmpty() || line.startsWith(QLatin1Char(';')) || line.startsWith(QLatin1Char('#'))) continue;
        if (line.startsWith(QLatin1Char('['))) {
            const QString section = asciiTrimmed(line.mid(1, line.indexOf(QLatin1Char(']')) - 1));
            inGeneral = section.compare(QLatin1String("General"), Qt::CaseInsensitive) == 0;
            continue;
        }
        const qsizetype equals = line.indexOf(QLatin1Char('='));
        if (!inGeneral || equals < 0) continue;
        if (decodedKey(asciiTrimmed(line.left(equals))) == name) found = asciiTrimmed(line.mid(equals + 1));
    }
    return found;
}

namespace {

int hexDigit(QChar c)
{
    const char16_t u = c.unicode();
    if (u >= '0' && u <= '9') return u - '0';
    if (u >= 'a' && u <= 'f') return u - 'a' + 10;
    if (u >= 'A' && u <= 'F') return u - 'A' + 10;
    return -1;
}

// Decodes the escape starting after the backslash at text[i]; advances i past it.
QString decodeEscape(const QString& text, qsizetype& i)
{
    const QChar c = text[i++];
    switch (c.unicode()) {
    case 'a': return QStringLiteral("\a");
    case 'b': return QStringLiteral("\b");
    case 'f': return QStringLiteral("\f");
    case 'n': return QStringLiteral("\n");
    case 'r': return QStringLiteral("\r");
    case 't': return QStringLiteral("\t");
    case 'v': return QStringLiteral("\v");
    case '"': case '\'': case '?': case '\\': case ';': case ',': return QString(c);
    case 'x': {
        char32_t code = 0;
        int digits = 0;
        while (i < text.size() && digits < 4 && hexDigit(text[i]) >= 0) {
            code = code * 16 + static_cast<char32_t>(hexDigit(text[i++]));
            ++digits;
        }
        return digits ? QString(QChar(static_cast<char16_t>(code))) : QStringLiteral("\\x");
    }
    default:
        if (c >= QLatin1Char('0') && c <= QLatin1Char('7')) {
            char16_t code = c.unicode() - '0';
            for (int digits = 1; digits < 3 && i < text.size() && text[i] >= QLatin1Char('0') &&
                                 text[i] <= QLatin1Char('7');
                 ++digits)
                code = static_cast<char16_t>(code * 8 + (text[i++].unicode() - '0'));
            return QString(QChar(code));
        }
        return QStringLiteral("\\") + c;  // not an escape: kept as typed
    }
}

}  // namespace

std::optional<QString> stringValue(const QString& raw)
{
    QString text;
    bool quoted = false;
    bool anyQuote = false;
    bool commaOutsideQuotes = false;
    for (qsizetype i = 0; i < raw.size();) {
        const QChar c = raw[i++];
        if (c == QLatin1Char('\\') && i < raw.size()) {
            text += decodeEscape(raw, i);
        } else if (c == QLatin1Char('"')) {
            quoted = !quoted;
            anyQuote = true;
        } else {
            if (c == QLatin1Char(',') && !quoted) commaOutsideQuotes = true;
            text += c;
        }
    }
    if (anyQuote && commaOutsideQuotes) return std::nullopt;  // "a", "b": a list

    static const QRegularExpression typed(QStringLiteral("^@[A-Za-z]+\\(.*\\)$"),
                                          QRegularExpression::DotMatchesEverythingOption);
    if (text.startsWith(QLatin1String("@@"))) return text.mid(1);
    // A text holding U+0000 is stored as @String(...).
    const QLatin1String stringType("@String(");
    if (text.startsWith(stringType) && text.endsWith(QLatin1Char(')')))
        return text.mid(stringType.size(), text.size() - stringType.size() - 1);
    if (typed.match(text).hasMatch()) return std::nullopt;
    return text;
}

}  // namespace platform::ini
