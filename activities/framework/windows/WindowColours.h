#pragma once

#include "platform/ui/LabelLook.h"

#include <QColor>

class QWidget;

namespace activity {

// The one way the activity windows colour their controls: a text colour goes
// into the palette, as on every window of the suite; a panel is a rounded fill
// with an optional border behind whatever the control shows.
using platform::ui::setTextColour;
void setPanelLook(QWidget* widget, const QColor& fill, const QColor& border = {}, int borderWidth = 0,
                  int radius = 0);

}  // namespace activity
