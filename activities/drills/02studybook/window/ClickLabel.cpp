#include "activities/drills/02studybook/window/ClickLabel.h"

#include <QMouseEvent>

namespace studybook {

ClickLabel::ClickLabel(QWidget* parent) : PlainLabel(parent)
{
    setMouseTracking(true);
    setCursor(Qt::PointingHandCursor);
}

void ClickLabel::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    down_ = true;
    emit pressed();
}

void ClickLabel::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton || !down_)
        return;
    down_ = false;
    emit released();
    if (rect().contains(event->position().toPoint()))
        emit clicked();
}

void ClickLabel::mouseMoveEvent(QMouseEvent* event)
{
    emit pointerMoved();
    event->accept();
}

}  // namespace studybook
