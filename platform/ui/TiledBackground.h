#pragma once

#include <QPixmap>
#include <QSize>

class QPainter;
class QWidget;

namespace platform::ui {

// Tiles picture unscaled over an area of the given size: tiles start at (0, 0)
// and step by half the picture's width and height (at least 1 pixel), so
// neighbouring tiles overlap. A null or empty picture draws nothing. Never shows
// a message; false when there was nothing to draw.
bool paintTiledBackground(QPainter& painter, const QPixmap& picture, const QSize& area);

// The same over a whole widget; call it from the widget's paintEvent.
bool paintTiledBackground(QWidget& widget, const QPixmap& picture);

}  // namespace platform::ui
