// 08spotter: hear a phrase and click the card with its translation.
#include "activities/drills/08spotter/window/frmSpotter.h"
#include "platform/ui/Application.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    platform::ui::initApplication(app);
    spotter::frmSpotter window;
    // Every way out ends the process from inside; a false start has already ended it.
    if (!window.Start_Activity(QApplication::arguments().mid(1)))
        return 0;
    return QApplication::exec();
}
