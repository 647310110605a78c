#include "activities/framework/windows/WindowLabels.h"

#include "platform/ui/PlainLabel.h"

namespace activity {

QLabel* makeWindowLabel(QWidget* parent, const char* objectName, int points, bool bold, Qt::Alignment alignment)
{
    return platform::ui::makePlainLabel(parent, QLatin1String(objectName), points, bold, alignment);
}

}  // namespace activity
