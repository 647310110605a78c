// 12slither: steer a snake to eat the letters of each phrase in turn.
#include "activities/arcade/12slither/window/frmSnake.h"
#include "platform/ui/Application.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    platform::ui::initApplication(app);
    slither::frmSnake window;
    // Every way out ends the process from inside; a false start has already ended it.
    if (!window.Start_Activity(QApplication::arguments().mid(1)))
        return 0;
    return QApplication::exec();
}
