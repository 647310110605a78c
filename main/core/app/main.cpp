#include "main/core/app/frmMain.h"
#include "main/core/shared/AppFolder.h"
#include "main/core/shared/ProgramStart.h"
#include "platform/ui/TerminationSignals.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Lessondesk"));
    shared::initProgram(app);

    frmMain mainWindow(shared::App_Folder());
    // A request to end from outside ends the program as closing its window does.
    platform::ui::handleTerminationSignals([&mainWindow] { mainWindow.close(); });
    mainWindow.Form_Load();
    return QApplication::exec();
}
