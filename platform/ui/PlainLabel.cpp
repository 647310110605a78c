#include "platform/ui/PlainLabel.h"

namespace platform::ui {

PlainLabel::PlainLabel(QWidget* parent) : QLabel(parent) { setTextFormat(Qt::PlainText); }

PlainLabel::PlainLabel(const QString& text, QWidget* parent) : PlainLabel(parent) { setText(text); }

PlainLabel* makePlainLabel(QWidget* parent, const QString& objectName, qreal points, bool bold,
                           Qt::Alignment alignment)
{
    auto* label = new PlainLabel(parent);
    label->setObjectName(objectName);
    label->setAlignment(alignment);
    setFontPoints(label, points, bold);
    return label;
}

void setFontPoints(QWidget* widget, qreal points)
{
    QFont font = widget->font();
    if (qFuzzyCompare(font.pointSizeF(), points)) return;
    font.setPointSizeF(points);
    widget->setFont(font);
}

void setFontPoints(QWidget* widget, qreal points, bool bold)
{
    QFont font = widget->font();
    font.setPointSizeF(points);
    font.setBold(bold);
    widget->setFont(font);
}

}  // namespace platform::ui
