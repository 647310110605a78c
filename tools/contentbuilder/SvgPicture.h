#pragma once

#include <QByteArray>
#include <QString>

namespace contentbuilder {

// Renders an SVG source at its own size to PNG bytes on a transparent background.
// Needs a QGuiApplication (the offscreen platform will do). Throws ContentError when
// the file is not a picture Qt can render.
QByteArray renderSvgToPng(const QString& path);

}  // namespace contentbuilder
