#pragma once

#include <QPixmap>
#include <QSize>

// Pictures and sounds every activity carries with the framework: the window
// background tile, the instruction window's PLAY button (at rest and pressed)
// and the WAVE resource "CLICK".
namespace activity {

QPixmap frameworkBackground();

// The PLAY button drawn at `size` pixels, at rest or pressed.
QPixmap playButtonPicture(bool pressed, const QSize& size);

// Plays "CLICK" without waiting: the framework buttons' press and release.
void playClick();

}  // namespace activity
