#include "activities/puzzles/14gridhunt/window/HuntLabel.h"

#include <QMouseEvent>

namespace gridhunt {

HuntLabel::HuntLabel(QWidget* parent) : PlainLabel(parent) {}

void HuntLabel::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    clickPending_ = true;
    emit pressed();
}

void HuntLabel::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    clickPending_ = false;
    emit pressed();
}

void HuntLabel::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    emit released();
    if (clickPending_ && rect().contains(event->position().toPoint())) {
        clickPending_ = false;
        emit clicked();
    }
    clickPending_ = false;
}

void HuntLabel::enterEvent(QEnterEvent* event)
{
    PlainLabel::enterEvent(event);
    emit entered();
}

}  // namespace gridhunt
