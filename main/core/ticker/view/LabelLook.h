#pragma once

#include <QColor>

class QWidget;

// The two looks the ticker and the link menu change on their labels.
namespace ticker {

// Underlines a label's text or removes the underline; nothing happens when it
// already looks so.
void setUnderlined(QWidget* label, bool underlined);

void setTextColour(QWidget* label, const QColor& colour);

}  // namespace ticker
