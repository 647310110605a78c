#pragma once

#include <QString>

namespace letterbee {

// Says a letter from the program's spoken letters of a language (the resource
// type is the language in capitals; name as letterSoundName gives it). flags as
// for the other sounds (bit 1: asynchronous). A letter without a recording in
// that language is silent: nothing plays, not even the letter said before.
void Play_Letter_Sound(const QString& letterName, const QString& language, int flags = 6);

// True when the language's set holds a recording under this name.
bool hasLetterSound(const QString& letterName, const QString& language);

}  // namespace letterbee
