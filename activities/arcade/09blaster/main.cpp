// 09blaster: shoot the letters of each phrase in order out of a marching formation.
#include "activities/arcade/09blaster/window/frmBlaster.h"
#include "main/core/shared/ProgramStart.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("09blaster"));
    shared::initProgram(app);
    blaster::frmBlaster window;
    // Every way out ends the process from inside; a false start has already ended it.
    if (!window.Start_Activity(QApplication::arguments().mid(1)))
        return 0;
    return QApplication::exec();
}
