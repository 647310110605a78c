#include "activities/framework/windows/WindowLabels.h"

#include "platform/ui/LabelLook.h"
#include "platform/ui/PlainLabel.h"

#include <QLabel>

namespace activity {

QLabel* makeWindowLabel(QWidget* parent, const char* objectName, int points, bool bold, Qt::Alignment alignment)
{
    return platform::ui::makePlainLabel(parent, QLatin1String(objectName), points, bold, alignment);
}

QLabel* makeColouredLabel(QWidget* parent, const char* objectName, int points, bool bold, const QColor& colour,
                          Qt::Alignment alignment)
{
    QLabel* label = makeWindowLabel(parent, objectName, points, bold, alignment);
    platform::ui::setTextColour(label, colour);
    return label;
}

}  // namespace activity
