#include "main/core/app/AppPictures.h"

#include "main/core/subjects/tree/SubjectTree.h"

#include <QPainter>
#include <QPainterPath>

#include <cmath>
#include <numbers>

namespace {

constexpr int kSide = 32;  // drawn at 32 px, shown smaller

QColor shade(const QColor& colour, int factor)
{
    return colour.darker(factor);
}

void drawFolder(QPainter& p, const QColor& colour, bool open)
{
    p.setPen(QPen(shade(colour, 140), 1.5));
    p.setBrush(colour.darker(108));
    QPainterPath back;
    back.moveTo(3, 8);
    back.lineTo(12, 8);
    back.lineTo(15, 11);
    back.lineTo(29, 11);
    back.lineTo(29, 26);
    back.lineTo(3, 26);
    back.closeSubpath();
    p.drawPath(back);
    p.setBrush(colour);
    if (open) {
        QPolygonF front({{7, 15}, {31, 15}, {27, 26}, {3, 26}});
        p.drawPolygon(front);
    } else {
        p.drawRoundedRect(QRectF(3, 13, 26, 13), 2, 2);
    }
}

void drawBook(QPainter& p, const QColor& colour, bool open)
{
    p.setPen(QPen(shade(colour, 150), 1.5));
    if (open) {
        p.setBrush(Qt::white);
        p.drawPolygon(QPolygonF({{2, 8}, {16, 11}, {16, 27}, {2, 24}}));
        p.drawPolygon(QPolygonF({{30, 8}, {16, 11}, {16, 27}, {30, 24}}));
        p.setPen(QPen(colour, 1.5));
        for (int y : {14, 18, 22}) {
            p.drawLine(QPointF(5, y - 1.5), QPointF(13, y + 0.5));
            p.drawLine(QPointF(19, y + 0.5), QPointF(27, y - 1.5));
        }
        return;
    }
    p.setBrush(colour);
    p.drawRoundedRect(QRectF(6, 4, 20, 24), 2, 2);
    p.setBrush(Qt::white);
    p.setPen(Qt::NoPen);
    p.drawRect(QRectF(10, 9, 12, 4));
}

void drawStar(QPainter& p, const QColor& colour, bool filled)
{
    QPolygonF star;
    for (int i = 0; i < 10; ++i) {
        const double radius = i % 2 ? 5.5 : 13.0;
        const double angle = -std::numbers::pi / 2 + i * std::numbers::pi / 5;
        star << QPointF(16 + radius * std::cos(angle), 17 + radius * std::sin(angle));
    }
    p.setPen(QPen(shade(colour, 140), 1.5));
    p.setBrush(filled ? colour : QColor(Qt::white));
    p.drawPolygon(star);
}

void drawBubble(QPainter& p, const QColor& colour)
{
    p.setPen(QPen(shade(colour, 140), 1.5));
    p.setBrush(colour);
    QPainterPath bubble;
    bubble.addRoundedRect(QRectF(3, 5, 26, 17), 6, 6);
    bubble.moveTo(9, 21);
    bubble.lineTo(8, 28);
    bubble.lineTo(16, 21);
    p.drawPath(bubble.simplified());
    p.setBrush(Qt::white);
    p.setPen(Qt::NoPen);
    for (int x : {10, 16, 22}) p.drawEllipse(QPointF(x, 13.5), 2, 2);
}

void drawFailed(QPainter& p)
{
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xd9, 0x3b, 0x3b));
    p.drawEllipse(QRectF(3, 3, 26, 26));
    p.setPen(QPen(Qt::white, 3.5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(11, 11), QPointF(21, 21));
    p.drawLine(QPointF(21, 11), QPointF(11, 21));
}

}  // namespace

QIcon subjectTreeIcon(int image)
{
    namespace im = subjects::images;
    if (image < im::TopClosed || image > im::Failed) return {};
    QPixmap pixmap(kSide, kSide);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor yellow(0xf2, 0xb8, 0x3b), blue(0x4a, 0x90, 0xd9), green(0x3f, 0xa3, 0x6b),
        orange(0xe8, 0x7d, 0x2e), teal(0x2f, 0x9c, 0xb0);
    switch (image) {
    case im::TopClosed: drawFolder(p, yellow, false); break;
    case im::TopOpen: drawFolder(p, yellow, true); break;
    case im::CustomClosed: drawFolder(p, blue, false); break;
    case im::CustomOpen: drawFolder(p, blue, true); break;
    case im::Subject: drawBook(p, green, false); break;
    case im::SubjectSelected: drawBook(p, green, true); break;
    case im::Group: drawStar(p, orange, true); break;
    case im::GroupSelected: drawStar(p, orange, false); break;
    case im::Phrase: drawBubble(p, teal); break;
    case im::CustomPhrase: drawBubble(p, orange); break;
    default: drawFailed(p); break;
    }
    p.end();
    return QIcon(pixmap);
}

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
