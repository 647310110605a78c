// 02studybook: listen to a phrase and choose its translation.
#include "activities/drills/02studybook/window/frmStudybook.h"
#include "platform/ui/Application.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    platform::ui::initApplication(app);
    studybook::frmStudybook window;
    // Every way out ends the process from inside; a false start has already ended it.
    if (!window.Start_Activity(QApplication::arguments().mid(1)))
        return 0;
    return QApplication::exec();
}
