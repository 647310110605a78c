#pragma once

#include <QPixmap>
#include <QSize>

// The pictures and sounds the snake game carries: its background tile (dark
// scales on black), its decoration (a snake winding toward a letter), and the WAVE resources "UFOWARN" (a new snake),
// "BITE" (a character eaten), "HAPPY_ALERT" (a phrase completed), "CRASH"
// (the edge, the body or the decoy) and "MAGIC" (every phrase eaten).
namespace slither {

QPixmap slitherBackground();
QPixmap snakePicture(const QSize& size);

}  // namespace slither
