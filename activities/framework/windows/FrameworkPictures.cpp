#include "activities/framework/windows/FrameworkPictures.h"

#include "platform/ui/SvgPicture.h"

namespace activity {

QPixmap frameworkBackground()
{
    return platform::ui::pictureResource(QStringLiteral("activity-background"));
}

QPixmap playButtonPicture(bool pressed, const QSize& size)
{
    return platform::ui::pictureResource(pressed ? QStringLiteral("play-pressed") : QStringLiteral("play"), size);
}

}  // namespace activity
