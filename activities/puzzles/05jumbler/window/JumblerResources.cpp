#include "activities/puzzles/05jumbler/window/JumblerResources.h"

#include "platform/ui/SvgPicture.h"

namespace jumbler {

QPixmap scrambleBackground()
{
    return platform::ui::pictureResource(QStringLiteral("jumbler-background"));
}

}  // namespace jumbler
