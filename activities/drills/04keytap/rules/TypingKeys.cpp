#include "activities/drills/04keytap/rules/TypingKeys.h"

#include <QChar>
#include <QList>

namespace keytap {

namespace {

// Characters that any key types (some appear more than once).
const QString kSpecialCharacters = QStringLiteral(
    "¿¡ÑÓÚÑÁÀÂÄÉÈÊËÍÌÎÏÒÔÖÙÛÜÇŒ€ÀÂÄÈÊËÌÎÏÒÓÄÅÆÐËÖØßÞÜŸÄÅÆÐËÖØßÞÜŸ");

std::optional<char32_t> ctrlAccent(int key)
{
    switch (key) {
    case Qt::Key_A: return U'á';
    case Qt::Key_E: return U'é';
    case Qt::Key_I: return U'í';
    case Qt::Key_N: return U'ñ';
    case Qt::Key_O: return U'ó';
    case Qt::Key_U: return U'ú';
    default: return std::nullopt;
    }
}

qsizetype characterCount(const QString& text) { return text.toUcs4().size(); }

}  // namespace

std::vector<Keystroke> keystrokesFor(int key, Qt::KeyboardModifiers modifiers, const QString& text)
{
    using Kind = Keystroke::Kind;
    if (key == Qt::Key_Backspace)
        return {{Kind::Backspace, 0}};
    if (key == Qt::Key_Return || key == Qt::Key_Enter)
        return {{Kind::Enter, 0}};
    if (modifiers.testFlag(Qt::ControlModifier) && !modifiers.testFlag(Qt::AltModifier)) {
        if (const auto accent = ctrlAccent(key))
            return {{Kind::Character, *accent}};
        return {};
    }
    std::vector<Keystroke> strokes;
    for (const char32_t c : text.toUcs4()) {
        if (c >= 0x20 && c != 0x7f)
            strokes.push_back({Kind::Character, c});
    }
    return strokes;
}

bool Is_Special_Character(char32_t character)
{
    const char32_t upper = QChar::toUpper(character);  // one character: "ß" stays "ß"
    return kSpecialCharacters.contains(QString::fromUcs4(&upper, 1));
}

bool Has_Overlong_Phrase(const std::vector<TypingPhrase>& phrases)
{
    for (const TypingPhrase& p : phrases) {
        if (characterCount(p.phrase) > kLongestText || characterCount(p.translation) > kLongestText)
            return true;
    }
    return false;
}

}  // namespace keytap
