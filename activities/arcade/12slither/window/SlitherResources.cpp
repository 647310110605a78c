#include "activities/arcade/12slither/window/SlitherResources.h"

#include "platform/ui/SvgPicture.h"

namespace slither {

QPixmap slitherBackground()
{
    return platform::ui::pictureResource(QStringLiteral("slither-background"));
}

QPixmap snakePicture(const QSize& size)
{
    return platform::ui::pictureResource(QStringLiteral("snake"), size);
}

}  // namespace slither
