#pragma once

#include <QPixmap>
#include <QString>

#include <functional>

class QPaintEvent;
class QWidget;

namespace shared {

// The background picture of every window, repeated over its whole client area.
// Each variant is called from the window's paint event; none of them shows a box
// from inside the paint: a failure is reported once the paint is over.

// Silent: gives the failure to the caller ("" when painted).
QString TileBackground(QWidget& form, const QPixmap& picture);

// Main window: a failure shows the main program's ERROR box naming
// "TileBackground" (heading = caption 149), then the program goes on.
void TileBackgroundMain(QWidget& form, const QPixmap& picture, const QString& errorHeading);

// Splash window: a failure shows the same text in a box titled with the splash
// window's caption, then ends the program.
void TileBackgroundSplash(QWidget& form, const QPixmap& picture, const QString& errorHeading);

}  // namespace shared
