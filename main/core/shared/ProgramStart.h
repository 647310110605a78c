#pragma once

class QApplication;

namespace shared {

// What every program of the suite sets up before its first window: the platform's
// application settings and font, and, for the end of the program, settings
// written out and the audio device closed.
void initProgram(QApplication& app);

}  // namespace shared
