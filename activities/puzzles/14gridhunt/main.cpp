// 14gridhunt: find the phrases hidden in a grid of letters.
#include "activities/puzzles/14gridhunt/window/frmGridhunt.h"
#include "platform/ui/Application.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    platform::ui::initApplication(app);
    gridhunt::frmGridhunt window;
    // Every way out ends the process from inside; a false start has already ended it.
    if (!window.Start_Activity(QApplication::arguments().mid(1)))
        return 0;
    return QApplication::exec();
}
