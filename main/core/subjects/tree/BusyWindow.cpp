#include "main/core/subjects/tree/BusyWindow.h"

namespace subjects {

BusyWindow::BusyWindow(const SubjectContext& context) : context_(context)
{
    context_.setMainWindowEnabled(false);
}

BusyWindow::~BusyWindow()
{
    try {
        restore();
    } catch (...) {
        // A hook that fails while the stack unwinds must not end the program.
    }
}

bool BusyWindow::showWaitBox(const QString& title, const QString& text, int heightTwips)
{
    if (waitBoxShown_) {
        context_.setWaitBoxText(text);
        return false;
    }
    waitBoxShown_ = true;
    context_.showWaitBox(title, text, heightTwips);
    return true;
}

void BusyWindow::restore()
{
    if (!busy_) return;
    busy_ = false;
    context_.setMainWindowEnabled(true);
    if (waitBoxShown_) context_.closeWaitBox();
}

}  // namespace subjects
