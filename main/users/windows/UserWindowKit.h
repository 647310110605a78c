#pragma once

#include "platform/ui/Twips.h"

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

// Names a control and puts it at a place in twips of the window's client area.
template <class T>
T* place(T* control, const char* name, const QRect& twips)
{
    control->setObjectName(QString::fromLatin1(name));
    control->setGeometry(platform::ui::twipsToPixels(twips));
    return control;
}

// A plain-text label at a place in twips, its text centred on its height.
QLabel* makeLabel(QWidget* parent, const char* name, const QRect& twips);

// The look both windows share: white rounded buttons and boxes on the tiled background.
void applyUserWindowStyle(QWidget& window);

}  // namespace users
