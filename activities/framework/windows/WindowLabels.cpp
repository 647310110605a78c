#include "activities/framework/windows/WindowLabels.h"

#include "platform/ui/PlainLabel.h"

namespace activity {

QLabel* makeWindowLabel(QWidget* parent, const char* objectName, int points, bool bold)
{
    return platform::ui::makePlainLabel(parent, QLatin1String(objectName), points, bold, Qt::AlignCenter);
}

}  // namespace activity
