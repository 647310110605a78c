#pragma once

#include <QPixmap>

// The pictures and sounds the word search carries: its decoration, a
// magnifying glass over letters, and the WAVE resources "CORRECTBEEP" (a phrase
// found) and "FLASHCARDSTOP" (a trace that matched nothing).
namespace gridhunt {

QPixmap magnifierPicture(int size);

}  // namespace gridhunt
