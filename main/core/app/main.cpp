#include "main/core/app/frmMain.h"
#include "main/core/shared/AppFolder.h"
#include "main/core/shared/ProgramStart.h"
#include "main/core/startup/ModMain.h"
#include "main/editor/phrase/frmEdit.h"
#include "platform/ui/TerminationSignals.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Lessondesk"));
    shared::initProgram(app);

    frmMain mainWindow(shared::App_Folder());
    MainWindowSeams seams;
    seams.editPhrase = [&mainWindow](const subjects::NodeTag& phrase) {
        frmEdit dialog({startup::modMain.gInstalledSubjectsDir, startup::modMain.gCaptions, phrase}, &mainWindow);
        dialog.exec();
        return dialog.stored();
    };
    mainWindow.setSeams(std::move(seams));
    // A request to end from outside ends the program as closing its window does.
    platform::ui::handleTerminationSignals([&mainWindow] { mainWindow.close(); });
    mainWindow.Form_Load();
    return QApplication::exec();
}
