#include "activities/framework/windows/FrameworkPictures.h"

#include "main/core/shared/Sound.h"
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

void playClick() { shared::Play_Wave_Resource(QStringLiteral("CLICK"), shared::kSoundAsync); }

}  // namespace activity
