#include "activities/puzzles/14gridhunt/window/GridhuntResources.h"

#include "platform/ui/SvgPicture.h"

namespace gridhunt {

QPixmap magnifierPicture(int size)
{
    return platform::ui::pictureResource(QStringLiteral("magnifier"), QSize(size, size));
}

}  // namespace gridhunt
