// 07sheetout: the study list as a printable vocabulary sheet.
#include "activities/puzzles/07sheetout/window/frmSheetout.h"
#include "main/core/shared/ProgramStart.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("07sheetout"));
    shared::initProgram(app);
    sheetout::frmSheetout window;
    if (!window.Start_Activity(QApplication::arguments().mid(1)))
        return 0;
    return QApplication::exec();
}
