#include "platform/ui/SvgPicture.h"

#include "platform/ui/Resources.h"

#include <QGuiApplication>
#include <QPainter>
#include <QSvgRenderer>

namespace platform::ui {

QPixmap renderSvg(const QString& path, QSize size)
{
    if (path.isEmpty()) return {};
    QSvgRenderer renderer(path);
    if (!renderer.isValid()) return {};
    if (size.isEmpty()) size = renderer.defaultSize();
    if (size.isEmpty()) return {};
    const qreal ratio = qApp ? qApp->devicePixelRatio() : 1.0;
    QPixmap pixmap(size * ratio);
    pixmap.setDevicePixelRatio(ratio);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(size)));
    return pixmap;
}

QPixmap pictureResource(const QString& name, QSize size)
{
    return renderSvg(resourcePath(QStringLiteral("PICTURE"), name), size);
}

}  // namespace platform::ui
