#include "activities/framework/windows/WindowColours.h"

#include <QWidget>

namespace activity {

namespace {

QString cssColour(const QColor& colour)
{
    return QStringLiteral("rgba(%1, %2, %3, %4)")
        .arg(colour.red())
        .arg(colour.green())
        .arg(colour.blue())
        .arg(colour.alpha());
}

}  // namespace

void setPanelLook(QWidget* widget, const QColor& fill, const QColor& border, int borderWidth, int radius)
{
    // Only the fill and the border are styled: the text keeps the palette's colour.
    QString style = QStringLiteral("background: %1; border-radius: %2px;").arg(cssColour(fill)).arg(radius);
    if (border.isValid() && borderWidth > 0)
        style += QStringLiteral(" border: %1px solid %2;").arg(borderWidth).arg(cssColour(border));
    widget->setStyleSheet(style);
}

}  // namespace activity
