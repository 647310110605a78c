#include "platform/ui/PictureButton.h"

#include <QPainter>

namespace platform::ui {

PictureButton::PictureButton(const QString& accessibleName, QWidget* parent) : QAbstractButton(parent)
{
    setAccessibleName(accessibleName);
    setText(accessibleName);
    setCursor(Qt::PointingHandCursor);
}

void PictureButton::setPictures(const QPixmap& normal, const QPixmap& hover, const QPixmap& pressed)
{
    normal_ = normal;
    hover_ = hover;
    pressed_ = pressed;
    updateGeometry();
    update();
}

const QPixmap& PictureButton::currentPicture() const
{
    if (isDown() && !pressed_.isNull())
        return pressed_;
    if (hovered_ && !isDown() && !hover_.isNull())
        return hover_;
    return normal_;
}

QSize PictureButton::sizeHint() const
{
    return normal_.isNull() ? QSize(32, 32) : normal_.deviceIndependentSize().toSize();
}

void PictureButton::paintEvent(QPaintEvent*)
{
    const QPixmap& picture = currentPicture();
    if (picture.isNull())
        return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawPixmap(rect(), picture);
}

void PictureButton::enterEvent(QEnterEvent* event)
{
    hovered_ = true;
    update();
    QAbstractButton::enterEvent(event);
}

void PictureButton::leaveEvent(QEvent* event)
{
    hovered_ = false;
    update();
    QAbstractButton::leaveEvent(event);
}

}  // namespace platform::ui
