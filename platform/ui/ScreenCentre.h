#pragma once

#include <QPoint>
#include <QSize>

class QWidget;

namespace platform::ui {

// Where a window of size `form` goes on a screen of size `screen` so that it is
// centred: each half of the difference, rounded towards zero. A window larger
// than the screen gets a negative coordinate and stays centred.
QPoint centredTopLeft(const QSize& screen, const QSize& form);

// Places the window, frame included, in the middle of its screen. Placed before
// it is first shown, the window keeps this place whatever else is open.
void centreOnScreen(QWidget& form);

}  // namespace platform::ui
