#pragma once

#include "platform/ui/Twips.h"

#include <QRect>
#include <QString>

namespace platform::ui {

// Names a control and puts it at a place in twips of its window's client area.
template <class T>
T* placeControl(T* control, const char* name, const QRect& twips)
{
    control->setObjectName(QString::fromLatin1(name));
    control->setGeometry(twipsToPixels(twips));
    return control;
}

}  // namespace platform::ui
