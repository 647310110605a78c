#pragma once

#include <QPixmap>

// The pictures and sounds the letter scramble carries: its background tile and
// the WAVE resources "POP" (a tile lands on a slot), "CORRECTBEEP" (a right
// answer), "BUZZER" (a wrong one) and "TIMESUP" (the time has run out).
namespace jumbler {

QPixmap scrambleBackground();

}  // namespace jumbler
