#pragma once

#include <QIcon>
#include <QPixmap>
#include <QSize>

// Pictures the main program's windows carry, drawn from SVG sources at run time.

// The background tile of every window of the main program.
QPixmap windowBackground();

// The number of edition logos.
inline constexpr int kEditionLogoCount = 8;

// Edition logo `index` (1-based) drawn at `size` pixels; a null pixmap for an
// index outside 1..kEditionLogoCount.
QPixmap editionLogo(int index, const QSize& size);

// Picture `image` (1..11, subjects::images) of the subject trees; a null icon otherwise.
QIcon subjectTreePicture(int image);
