#pragma once

#include <Qt>

class QLabel;
class QWidget;

namespace activity {

// A plain-text label of the activity windows (centred unless told otherwise),
// empty until a caller sets it.
QLabel* makeWindowLabel(QWidget* parent, const char* objectName, int points, bool bold,
                        Qt::Alignment alignment = Qt::AlignCenter);

}  // namespace activity
