// Runs the folder set-up of start-up on a program folder and prints the result,
// so tests can run it as a user who may not write there.
//   set_paths_probe <program folder> <product title>
// Prints "data=<data folder>" and "custom=<custom-subjects folder>"; any box the
// set-up shows is printed as "box=<text>".
#include "main/core/startup/Folders.h"
#include "platform/ui/MessageBox.h"

#include <QApplication>

#include <cstdio>

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (argc != 3) return 2;
    platform::ui::setMessageHandler([](const platform::ui::MessageRequest& request) {
        std::printf("box=%s\n", request.text.toUtf8().replace('\n', ' ').constData());
        return platform::ui::MessageAnswer::Ok;
    });
    startup::ProgramFolders folders;
    startup::Set_Paths(folders, QString::fromLocal8Bit(argv[1]), "Subjects", "My Subjects",
                       QString::fromLocal8Bit(argv[2]));
    std::printf("data=%s\ncustom=%s\n", folders.dataDir.toUtf8().constData(),
                folders.virtualSubjectsDir.toUtf8().constData());
    return 0;
}
