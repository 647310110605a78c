#pragma once

#include <QColor>

class QWidget;

namespace activity {

// The one way the activity windows colour their controls. A text colour goes
// into the palette (WindowText), so a window reads it back from there and may
// change it at any time; a panel is a rounded fill with an optional border
// behind whatever the control shows.
void setTextColour(QWidget* widget, const QColor& colour);
void setPanelLook(QWidget* widget, const QColor& fill, const QColor& border = {}, int borderWidth = 0,
                  int radius = 0);

}  // namespace activity
