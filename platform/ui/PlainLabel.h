#pragma once

#include <QLabel>

namespace platform::ui {

// A label that always shows its text as plain text: phrases, names and captions
// come from data and must never be read as rich text.
class PlainLabel : public QLabel {
    Q_OBJECT

public:
    explicit PlainLabel(QWidget* parent = nullptr);
    explicit PlainLabel(const QString& text, QWidget* parent = nullptr);
};

}  // namespace platform::ui
