#pragma once

#include <QIcon>
#include <QPixmap>
#include <QSize>

// Small pictures of the main window drawn in code in the suite's flat style.

// Picture `image` (1..11, subjects::images) of the subject tree; a null icon otherwise.
QIcon subjectTreeIcon(int image);

// The bullet in front of each entry of the slide-in link menu.
QPixmap menuEntryPicture(const QSize& size);
