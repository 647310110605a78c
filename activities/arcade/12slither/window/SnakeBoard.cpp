#include "activities/arcade/12slither/window/SnakeBoard.h"

#include <QFontMetrics>
#include <QKeyEvent>
#include <QPainter>

namespace slither {

namespace {

QColor snakeColour(SnakeColour colour)
{
    switch (colour) {
    case SnakeColour::Fresh: return QColor(0, 0, 0);
    case SnakeColour::Moving: return QColor(255, 255, 0);
    case SnakeColour::Fed: return QColor(0, 255, 0);
    case SnakeColour::Crashed: return QColor(255, 0, 0);
    }
    return QColor(255, 255, 0);
}

const QColor kCharacterColour(0, 255, 0);

}  // namespace

const QColor SnakeBoard::kBackground(0x3d, 0x5a, 0x80);

SnakeBoard::SnakeBoard(QWidget* parent) : QWidget(parent), font_(QStringLiteral("Arial"))
{
    setObjectName(QStringLiteral("picBoard"));
    font_.setBold(true);
    font_.setPointSizeF(14.25);
    setFixedSize(kBoardWidth + 2 * kMargin, kBoardHeight + 2 * kMargin);
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

bool SnakeBoard::canShow(QChar c) const
{
    return QFontMetrics(font_).inFont(c);
}

void SnakeBoard::drawCharacter(QPainter& painter, QChar c, Point at) const
{
    // The character's top left stands 6 pixels left of and 10 above its point.
    const QRect box(kMargin + at.x - 6, kMargin + at.y - 10, 40, 40);
    painter.drawText(box, Qt::AlignLeft | Qt::AlignTop, QString(c));
}

void SnakeBoard::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), kBackground);
    painter.setPen(kBackground.lighter(160));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
    if (!game_)
        return;
    painter.setRenderHint(QPainter::Antialiasing);
    QPen pen(snakeColour(game_->colour()), kPenWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    painter.setPen(pen);
    const std::vector<Point>& cells = game_->cells();
    QPolygon line;
    line.reserve(static_cast<int>(cells.size()));
    for (const Point& cell : cells)
        line << QPoint(kMargin + cell.x, kMargin + cell.y);
    painter.drawPolyline(line);
    // The characters stay readable when the snake passes over them.
    if (game_->hasTarget()) {
        painter.setFont(font_);
        painter.setPen(kCharacterColour);
        drawCharacter(painter, game_->target(), game_->targetPoint());
        drawCharacter(painter, game_->decoy(), game_->decoyPoint());
    }
}

void SnakeBoard::keyPressEvent(QKeyEvent* event)
{
    emit keyPressed(event);
}

}  // namespace slither
