#pragma once

// The buttons that type the target language's special characters into the
// written quiz, one per character, shown in the letter case that Caps Lock
// gives the keyboard.
#include <QString>
#include <QStringList>

namespace askround {

// The characters of an edition's buttons, in order; none for an unknown code.
QStringList specialCharacters(const QString& programCode);

// The button texts as the keyboard would type them: upper case with Caps Lock
// on, lower case otherwise, one character at a time ("¿" stays "¿").
QStringList casedCharacters(const QStringList& characters, bool capsLockOn);

}  // namespace askround
