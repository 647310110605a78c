// 03twinpick: turn the cards two at a time and find each phrase's translation.
#include "activities/drills/03twinpick/window/frmTwinpick.h"
#include "platform/ui/Application.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    platform::ui::initApplication(app);
    twinpick::frmTwinpick window;
    // Every way out ends the process from inside; a false start has already ended it.
    if (!window.Start_Activity(QApplication::arguments().mid(1)))
        return 0;
    return QApplication::exec();
}
