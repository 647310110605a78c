#pragma once

#include "platform/ui/PlaceControl.h"

#include <QRect>
#include <QString>

class QAbstractButton;
class QLabel;
class QWidget;

// What the sign-in window and the profile dialog do alike.
namespace users {

// Pressing and releasing the button each play the program's "click" sound
// asynchronously.
void playClickOnPress(QAbstractButton& button);

// Shows text in the main program's message window, modally, titled like the
// window that asks; returns when the learner has pressed OK.
void showMessageWindow(QWidget& asking, const QString& text, int fontPoints = 10);

using platform::ui::placeControl;

// A plain-text label at a place in twips, its text centred on its height.
QLabel* makeLabel(QWidget* parent, const char* name, const QRect& twips);

// The look both windows share: white rounded buttons and boxes on the tiled background.
void applyUserWindowStyle(QWidget& window);

}  // namespace users
