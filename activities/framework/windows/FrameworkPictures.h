#pragma once

#include <QPixmap>
#include <QSize>

// Pictures and sounds every activity carries with the framework: the window
// background tile, the instruction window's PLAY button (at rest and pressed)
// and the WAVE resource "CLICK" (played with shared::Play_Wave_Resource).
namespace activity {

QPixmap frameworkBackground();

// The PLAY button drawn at `size` pixels, at rest or pressed.
QPixmap playButtonPicture(bool pressed, const QSize& size);

}  // namespace activity
