#include "ProbeWindow.h"

#include "platform/ui/Application.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    platform::ui::initApplication(app);
    ProbeWindow window;
    if (!window.Start_Activity(app.arguments().mid(1))) return 0;
    return app.exec();
}
