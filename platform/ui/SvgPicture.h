#pragma once

#include <QPixmap>
#include <QSize>
#include <QString>

// Pictures kept as SVG sources, drawn to pixmaps for the screen's pixel ratio.
namespace platform::ui {

// Draws the SVG at `path` (a file or ":/..." resource) at `size` pixels, or at
// its own size when `size` is empty. A null pixmap when the source is missing,
// not valid SVG, or the size comes to nothing.
QPixmap renderSvg(const QString& path, QSize size = {});

// The compiled-in PICTURE resource `name` (see resourcePath), drawn as above.
QPixmap pictureResource(const QString& name, QSize size = {});

}  // namespace platform::ui
