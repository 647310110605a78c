#include "platform/ui/TiledBackground.h"

#include <QPainter>
#include <QWidget>

#include <algorithm>

namespace platform::ui {

bool paintTiledBackground(QPainter& painter, const QPixmap& picture, const QSize& area)
{
    const QSize size = picture.deviceIndependentSize().toSize();
    if (picture.isNull() || size.isEmpty())
        return false;
    const qint64 stepX = std::max(size.width() / 2, 1);
    const qint64 stepY = std::max(size.height() / 2, 1);
    for (qint64 y = 0; y < area.height(); y += stepY) {
        for (qint64 x = 0; x < area.width(); x += stepX)
            painter.drawPixmap(QPoint(static_cast<int>(x), static_cast<int>(y)), picture);
    }
    return true;
}

bool paintTiledBackground(QWidget& widget, const QPixmap& picture)
{
    QPainter painter(&widget);
    return paintTiledBackground(painter, picture, widget.size());
}

}  // namespace platform::ui
