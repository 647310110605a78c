// The one main() of every activity program. dvl_add_activity compiles it into
// each program with the program's name and its window class.
#include DVL_ACTIVITY_WINDOW_HEADER
#include "main/core/shared/ProgramStart.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral(DVL_ACTIVITY_PROGRAM));
    // Registers the exit steps (settings written out, audio closed) before any way out.
    shared::initProgram(app);
    DVL_ACTIVITY_WINDOW_CLASS window;
    // Every way out ends the process from inside; a false start has already ended it.
    if (!window.Start_Activity(QApplication::arguments().mid(1)))
        return 0;
    return QApplication::exec();
}
