#pragma once

class QApplication;

namespace platform::ui {

// Start-up settings every program of the suite needs: programs end themselves
// (closing the last window does not quit), and the interface font is Liberation
// Sans, whose widths match the layouts; "Arial" and "MS Sans Serif" resolve to it.
// When Liberation Sans is not installed the default font stays.
void initApplication(QApplication& app);

}  // namespace platform::ui
