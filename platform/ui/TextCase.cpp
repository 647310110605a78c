#include "platform/ui/TextCase.h"

#include <QList>
#include <QStringView>

namespace platform::ui {
namespace {

template <class Map>
QString mapEachCharacter(const QString& text, Map map)
{
    QString out;
    out.reserve(text.size());
    bool previousIsSpace = true;
    for (const uint code : QStringView(text).toUcs4()) {
        const auto c = static_cast<char32_t>(code);
        const char32_t mapped = map(c, previousIsSpace);
        if (QChar::requiresSurrogates(mapped)) {
            out += QChar(QChar::highSurrogate(mapped));
            out += QChar(QChar::lowSurrogate(mapped));
        } else {
            out += QChar(static_cast<char16_t>(mapped));
        }
        previousIsSpace = QChar::isSpace(c);
    }
    return out;
}

}  // namespace

QString ucase(const QString& text)
{
    return mapEachCharacter(text, [](char32_t c, bool) { return QChar::toUpper(c); });
}

QString lcase(const QString& text)
{
    return mapEachCharacter(text, [](char32_t c, bool) { return QChar::toLower(c); });
}

QString properCase(const QString& text)
{
    return mapEachCharacter(text, [](char32_t c, bool wordStart) {
        return wordStart ? QChar::toUpper(c) : QChar::toLower(c);
    });
}

}  // namespace platform::ui
