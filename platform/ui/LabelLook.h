#pragma once

#include <QColor>

class QWidget;

// The looks that windows change on their labels as the pointer moves or presses.
namespace platform::ui {

// Underlines a label's text or removes the underline; nothing happens when it
// already looks so.
void setUnderlined(QWidget* label, bool underlined);

// The text colour goes into the palette (WindowText), so a window reads it back
// from there and may change it at any time.
void setTextColour(QWidget* label, const QColor& colour);

}  // namespace platform::ui
