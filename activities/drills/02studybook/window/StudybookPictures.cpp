#include "activities/drills/02studybook/window/StudybookPictures.h"

#include "platform/ui/SvgPicture.h"

namespace studybook {

QPixmap studybookBackground()
{
    return platform::ui::pictureResource(QStringLiteral("studybook-background"));
}

}  // namespace studybook
