#pragma once

#include <Qt>

class QColor;

class QLabel;
class QWidget;

namespace activity {

// A plain-text label of the activity windows (centred unless told otherwise),
// empty until a caller sets it.
QLabel* makeWindowLabel(QWidget* parent, const char* objectName, int points, bool bold,
                        Qt::Alignment alignment = Qt::AlignCenter);

// The same label in a text colour of its own.
QLabel* makeColouredLabel(QWidget* parent, const char* objectName, int points, bool bold, const QColor& colour,
                          Qt::Alignment alignment = Qt::AlignCenter);

}  // namespace activity
