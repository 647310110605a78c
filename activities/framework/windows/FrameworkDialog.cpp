#include "activities/framework/windows/FrameworkDialog.h"

#include "activities/framework/windows/FrameworkPictures.h"
#include "main/core/shared/TileBackground.h"

namespace activity {

FrameworkDialog::FrameworkDialog(QWidget* parent, Qt::WindowFlags flags) : QDialog(parent, flags) {}

void FrameworkDialog::paintEvent(QPaintEvent*)
{
    static const QPixmap background = frameworkBackground();
    shared::TileBackground(*this, background);
}

void FrameworkDialog::resizeEvent(QResizeEvent* event)
{
    QDialog::resizeEvent(event);
    layOut();
    update();
}

}  // namespace activity
