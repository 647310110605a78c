#include "main/core/app/AppPictures.h"

#include <QPainter>

namespace {

constexpr int kSide = 32;  // drawn at 32 px, shown smaller

}  // namespace

QPixmap menuEntryPicture(const QSize& size)
{
    QPixmap pixmap(kSide, kSide);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawEllipse(QRectF(3, 3, 26, 26));
    p.setPen(QPen(QColor(0x1f, 0x4e, 0x9c), 3.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPolyline(QPolygonF({{13, 9}, {20, 16}, {13, 23}}));
    p.end();
    return pixmap.scaled(size, Qt::KeepAspectRatio, Qt::SmoothTransformation);
}
