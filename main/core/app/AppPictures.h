#pragma once

#include <QPixmap>
#include <QSize>

// A small picture of the main window drawn in code in the suite's flat style.

// The bullet in front of each entry of the slide-in link menu.
QPixmap menuEntryPicture(const QSize& size);
