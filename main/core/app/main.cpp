#include "main/core/app/frmMain.h"
#include "main/core/shared/AppFolder.h"
#include "main/core/shared/ProgramStart.h"
#include "main/core/startup/ModMain.h"
#include "main/editor/phrase/frmEdit.h"
#include "main/editor/window/frmCustomSubject.h"
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
    seams.openCustomSubjectEditor = [&mainWindow] {
        using startup::modMain;
        CustomSubjectSetup setup;
        setup.settings = {modMain.gProgramCode,          modMain.gProductTitle,
                          modMain.gLanguageCode,         modMain.gInstalledSubjectsDir,
                          modMain.gVirtualSubjectsDir,   [](caption::Row row) { return modMain.gCaptions[row]; }};
        setup.programDir = shared::App_Folder();
        setup.subjectsChanged = &modMain.gSubjectsChanged;
        setup.refreshSubjects = [&mainWindow] { mainWindow.Refresh_Subjects(); };
        setup.showMainWindow = [&mainWindow] { mainWindow.show(); };
        auto* editor = new frmCustomSubject(std::move(setup));
        editor->Form_Load();
        editor->show();
    };
    mainWindow.setSeams(std::move(seams));
    // A request to end from outside ends the program as closing its window does.
    platform::ui::handleTerminationSignals([&mainWindow] { mainWindow.close(); });
    mainWindow.Form_Load();
    return QApplication::exec();
}
