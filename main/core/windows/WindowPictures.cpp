#include "main/core/windows/WindowPictures.h"

#include "platform/ui/SvgPicture.h"

QPixmap windowBackground()
{
    return platform::ui::pictureResource(QStringLiteral("background"));
}

QPixmap editionLogo(int index, const QSize& size)
{
    if (index < 1 || index > kEditionLogoCount) return {};
    return platform::ui::pictureResource(QStringLiteral("logo%1").arg(index), size);
}
