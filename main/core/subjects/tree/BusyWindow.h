#pragma once

#include "main/core/subjects/SubjectContext.h"

namespace subjects {

// Keeps the main window disabled while a long load runs and gives it back
// whatever happens: on restore() or on leaving the scope (also by an exception)
// the main window is enabled again and a wait box this guard showed is closed.
class BusyWindow {
public:
    explicit BusyWindow(const SubjectContext& context);
    ~BusyWindow();
    BusyWindow(const BusyWindow&) = delete;
    BusyWindow& operator=(const BusyWindow&) = delete;

    // Shows the wait box the first time, then only changes its text.
    // Gives true when this call showed it.
    bool showWaitBox(const QString& title, const QString& text, int heightTwips);
    void restore();

private:
    const SubjectContext& context_;
    bool busy_ = true;
    bool waitBoxShown_ = false;
};

}  // namespace subjects
