#include "platform/ui/ScreenCentre.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace platform::ui {

QPoint centredTopLeft(const QSize& screen, const QSize& form)
{
    // Integer division rounds towards zero, also for a window larger than the screen.
    return QPoint((screen.width() - form.width()) / 2, (screen.height() - form.height()) / 2);
}

void centreOnScreen(QWidget& form)
{
    QScreen* screen = form.screen() ? form.screen() : QGuiApplication::primaryScreen();
    if (!screen) return;
    const QRect area = screen->geometry();
    // The frame is known only once the window is shown; before that the
    // client size stands for the window.
    const QRect frame = form.frameGeometry();
    const QSize size = form.isVisible() ? frame.size() : form.size();
    form.move(area.topLeft() + centredTopLeft(area.size(), size));
}

}  // namespace platform::ui
