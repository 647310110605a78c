#include "activities/framework/windows/WindowLabels.h"

#include <QLabel>

namespace activity {

QLabel* makeWindowLabel(QWidget* parent, const char* objectName, int points, bool bold)
{
    auto* label = new QLabel(parent);
    label->setObjectName(QLatin1String(objectName));
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignCenter);
    QFont font = label->font();
    font.setPointSize(points);
    font.setBold(bold);
    label->setFont(font);
    return label;
}

}  // namespace activity
