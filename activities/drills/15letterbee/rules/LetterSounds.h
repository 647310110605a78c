#pragma once

// Which recording says a letter. The program carries one set of spoken letters
// per target language (resource types ENGLISH, FRENCH, GERMAN, SPANISH); a
// letter is found under its own name, except the special characters a language
// names otherwise ("Ñ" is "NN" in Spanish, "Œ" is "OE" in French).
#include <QString>

namespace letterbee {

// True when the upper-cased letter is one of the accented, inverted or
// other special characters.
bool Is_Special_Character(const QString& letter);

// The recording's name for an upper-case letter in this language ("English",
// "French", "German", "Italian", "Spanish"); a letter without an entry keeps its
// own name.
QString letterSoundName(const QString& letter, const QString& language);

// The resource type of a language's letters: the language in capitals.
QString letterSoundType(const QString& language);

// The file a recording is kept under: letters, digits and "_" as they are, any
// other character as "U+" and its four-digit code ("'" is "U+0027"), so every
// name makes a plain file name.
QString letterResourceName(const QString& soundName);

}  // namespace letterbee
