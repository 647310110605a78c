#pragma once

#include <QPixmap>

namespace studybook {

// The window's background tile, drawn from its SVG resource at its own size.
QPixmap studybookBackground();

}  // namespace studybook
