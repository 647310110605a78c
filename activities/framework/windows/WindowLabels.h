#pragma once

class QLabel;
class QWidget;

namespace activity {

// A centred plain-text label of the shared windows, empty until a caller sets it.
QLabel* makeWindowLabel(QWidget* parent, const char* objectName, int points, bool bold);

}  // namespace activity
