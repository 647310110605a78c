#pragma once

// What a key press means to the typing drill. Keys that give no character
// (arrows, modifiers, function keys, Tab and other control codes) are not
// keystrokes at all: they neither type nor start the clock. Ctrl with A, E, I,
// N, O or U types the accented lower-case letter, for keyboards without it.
#include <QString>
#include <Qt>

#include <optional>
#include <vector>

namespace keytap {

struct Keystroke {
    enum class Kind { Backspace, Enter, Character };
    Kind kind = Kind::Character;
    char32_t character = 0;  // for Kind::Character

    bool operator==(const Keystroke&) const = default;
};

// The keystrokes of one key event: key is a Qt::Key, text what the event typed.
// Usually one; a composed text gives one per character; none for a key without one.
std::vector<Keystroke> keystrokesFor(int key, Qt::KeyboardModifiers modifiers, const QString& text);

// True when the upper-cased character is one of the characters any key may type.
bool Is_Special_Character(char32_t character);

// True when a phrase or a translation of the list is longer than kLongestText.
inline constexpr int kLongestText = 36;
struct TypingPhrase {
    QString phrase;
    QString translation;
};
bool Has_Overlong_Phrase(const std::vector<TypingPhrase>& phrases);

}  // namespace keytap
