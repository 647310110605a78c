#include "main/core/windows/WindowPictures.h"

#include "platform/ui/Resources.h"

#include <QGuiApplication>
#include <QPainter>
#include <QSvgRenderer>

namespace {

QPixmap renderSvg(const QString& resource, const QSize& size)
{
    if (resource.isEmpty()) return {};
    QSvgRenderer renderer(resource);
    if (!renderer.isValid() || size.isEmpty()) return {};
    const qreal ratio = qApp ? qApp->devicePixelRatio() : 1.0;
    QPixmap pixmap(size * ratio);
    pixmap.setDevicePixelRatio(ratio);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(size)));
    return pixmap;
}

}  // namespace

QPixmap windowBackground()
{
    const QString resource = platform::ui::resourcePath(QStringLiteral("PICTURE"), QStringLiteral("background"));
    return renderSvg(resource, QSvgRenderer(resource).defaultSize());
}

QPixmap editionLogo(int index, const QSize& size)
{
    if (index < 1 || index > kEditionLogoCount) return {};
    return renderSvg(platform::ui::resourcePath(QStringLiteral("PICTURE"), QStringLiteral("logo%1").arg(index)),
                     size);
}
