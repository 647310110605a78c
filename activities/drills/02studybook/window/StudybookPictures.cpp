#include "activities/drills/02studybook/window/StudybookPictures.h"

#include "platform/ui/Resources.h"

#include <QGuiApplication>
#include <QPainter>
#include <QSvgRenderer>

namespace studybook {

QPixmap studybookBackground()
{
    QSvgRenderer renderer(platform::ui::resourcePath(QStringLiteral("PICTURE"), QStringLiteral("studybook-background")));
    if (!renderer.isValid() || renderer.defaultSize().isEmpty())
        return {};
    const qreal ratio = qApp ? qApp->devicePixelRatio() : 1.0;
    QPixmap pixmap(renderer.defaultSize() * ratio);
    pixmap.setDevicePixelRatio(ratio);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(renderer.defaultSize())));
    return pixmap;
}

}  // namespace studybook
