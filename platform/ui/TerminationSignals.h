#pragma once

#include <functional>

namespace platform::ui {

// Makes SIGTERM and SIGINT call onSignal on the GUI thread, from the event loop
// (for an activity: close its main window, as the learner would). Each signal
// delivered calls it once. A later call replaces the function. Needs a
// QCoreApplication; returns false when the handler could not be installed.
bool handleTerminationSignals(std::function<void()> onSignal);

}  // namespace platform::ui
