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

// A named plain label with its font size in points, bold or not, and its alignment.
PlainLabel* makePlainLabel(QWidget* parent, const QString& objectName, qreal points, bool bold,
                           Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter);

// Sets a control's font size in points, fractions too (and weight), keeping the
// rest of its font.
void setFontPoints(QWidget* widget, qreal points);
void setFontPoints(QWidget* widget, qreal points, bool bold);

}  // namespace platform::ui
