// 05jumbler: rebuild each phrase from its shuffled letters.
#include "activities/puzzles/05jumbler/window/frmScramble.h"
#include "main/core/shared/ProgramStart.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("05jumbler"));
    shared::initProgram(app);
    jumbler::frmScramble window;
    // Every way out ends the process from inside; a false start has already ended it.
    if (!window.Start_Activity(QApplication::arguments().mid(1)))
        return 0;
    return QApplication::exec();
}
