#pragma once

#include <QPoint>
#include <QSize>

class QWidget;

namespace platform::ui {

// Where a window of size `form` goes on a screen of size `screen` so that it is
// centred: each half of the difference, rounded towards zero. A window larger
// than the screen gets a negative coordinate and stays centred.
QPoint centredTopLeft(const QSize& screen, const QSize& form);

// Places the window, frame included, in the middle of its screen's available
// area (the screen less its panels). Placed before it is first shown, the window
// keeps this place whatever else is open, and it stays centred on the size it
// finally has: until the window manager has framed it, a resize or a show places
// it again, and so does the frame once it is known. A window moved meanwhile (by
// the program or the learner) is left where it was moved to.
void centreOnScreen(QWidget& form);

}  // namespace platform::ui
