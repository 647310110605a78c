// 13popper: a gunfight in the desert, shooting the words of each phrase in order.
#include "activities/arcade/13popper/window/frmPopper.h"
#include "main/core/shared/ProgramStart.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("13popper"));
    shared::initProgram(app);
    popper::frmPopper window;
    if (!window.Start_Activity(QApplication::arguments().mid(1)))
        return 0;
    return QApplication::exec();
}
