#include "SvgPicture.h"

#include "ContentError.h"

#include <QBuffer>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

namespace contentbuilder {

QByteArray renderSvgToPng(const QString& path)
{
    QSvgRenderer renderer(path);
    if (!renderer.isValid()) throw ContentError(path, "is not an SVG picture that can be rendered");
    const QSize size = renderer.defaultSize();
    if (size.isEmpty()) throw ContentError(path, "gives no picture size (set width and height or a viewBox)");

    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    renderer.render(&painter);
    painter.end();

    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    if (!image.save(&buffer, "PNG")) throw ContentError(path, "could not be saved as PNG");
    return png;
}

}  // namespace contentbuilder
