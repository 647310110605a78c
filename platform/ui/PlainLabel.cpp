#include "platform/ui/PlainLabel.h"

namespace platform::ui {

PlainLabel::PlainLabel(QWidget* parent) : QLabel(parent) { setTextFormat(Qt::PlainText); }

PlainLabel::PlainLabel(const QString& text, QWidget* parent) : PlainLabel(parent) { setText(text); }

PlainLabel* makePlainLabel(QWidget* parent, const QString& objectName, int points, bool bold,
                           Qt::Alignment alignment)
{
    auto* label = new PlainLabel(parent);
    label->setObjectName(objectName);
    label->setAlignment(alignment);
    setFontPoints(label, points, bold);
    return label;
}

void setFontPoints(QWidget* widget, int points)
{
    QFont font = widget->font();
    if (font.pointSize() == points) return;
    font.setPointSize(points);
    widget->setFont(font);
}

void setFontPoints(QWidget* widget, int points, bool bold)
{
    QFont font = widget->font();
    font.setPointSize(points);
    font.setBold(bold);
    widget->setFont(font);
}

}  // namespace platform::ui
