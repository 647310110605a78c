#include "activities/framework/windows/FrameworkPictures.h"

#include "platform/ui/Resources.h"

#include <QGuiApplication>
#include <QPainter>
#include <QSvgRenderer>

namespace activity {

namespace {

QString picturePath(const QString& name)
{
    return platform::ui::resourcePath(QStringLiteral("PICTURE"), name);
}

QPixmap renderSvg(const QString& resource, QSize size = {})
{
    if (resource.isEmpty()) return {};
    QSvgRenderer renderer(resource);
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

}  // namespace

QPixmap frameworkBackground()
{
    return renderSvg(picturePath(QStringLiteral("activity-background")));
}

QPixmap playButtonPicture(bool pressed, const QSize& size)
{
    return renderSvg(picturePath(pressed ? QStringLiteral("play-pressed") : QStringLiteral("play")), size);
}

}  // namespace activity
